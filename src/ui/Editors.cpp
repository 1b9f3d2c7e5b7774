#include "Editors.h"

#include "CAbsorpsjonDlg.h"
#include "CAbsorpsjonTykkelseDlg.h"
#include "CDatabaseDlg.h"
#include "CEgendefDatabaseDlg.h"
#include "CEgendefIsoProduktDlg.h"
#include "CFrostDlg.h"
#include "CIsoProduktDlg.h"
#include "CIsoTykkelseDlg.h"
#include "CIsolasjonDlg.h"
#include "CKlimaDlg.h"
#include "CKlimastedDlg.h"
#include "CLydDlg.h"
#include "CKostnadDlg.h"
#include "CIsoKostnadDlg.h"
#include "COkoIsolasjonDlg.h"
#include "COkonomiDlg.h"
#include "CMantlingDlg.h"
#include "CProjectDlg.h"
#include "CRordimensjonDlg.h"
#include "CRormaterialDlg.h"
#include "CTillegg2Dlg.h"
#include "CTilleggslengdeDlg.h"
#include "CTankTempDlg.h"
#include "CTilleggsutstyrDlg.h"
#include "CVarmetapDlg.h"
#include "CVeskeDlg.h"
#include "QtEditorService.h"
#include "database/CAbsorpsjon.h"
#include "database/CDataBase.h"
#include "database/CEgendefDatabase.h"
#include "database/CKlima.h"
#include "database/CKlimasted.h"
#include "database/CKostnad.h"
#include "database/CMantling.h"
#include "database/CRormaterial.h"
#include "database/CTillegg2.h"
#include "database/CVeske.h"
#include "doc/CProject.h"
#include "modules/CFrostModul.h"
#include "modules/CIsolasjon.h"
#include "modules/CLydModul.h"
#include "modules/CTankTempModul.h"
#include "modules/CTilleggsutstyr.h"
#include "modules/CVarmeTapModul.h"
#include "modules/COkonomiModul.h"

void RegisterEditors(QtEditorService& editors)
{
    editors.Register(CProject::classInfo.name, EditProject);
    editors.Register(CVarmeTapModul::classInfo.name, EditHeatLoss);
    editors.Register(CFrostModul::classInfo.name, EditFrost);
    editors.Register(CLydModul::classInfo.name, EditSound);
    editors.Register(CTankTempModul::classInfo.name, EditTankTemp);
    editors.Register(CIsolasjon::classInfo.name, EditInsulationLayer);
    editors.Register(CTilleggsutstyr::classInfo.name, EditFitting);
    editors.Register(CKlima::classInfo.name, EditClimate);
    editors.Register(CKlimasted::classInfo.name, EditClimateLocation);
    editors.Register(CIsoProdukt::classInfo.name, EditIsoProdukt);
    editors.Register(CEgendefIsoProdukt::classInfo.name, EditEgendefIsoProdukt);
    editors.Register(CIsoTykkelse::classInfo.name, EditIsoTykkelse);
    editors.Register(CEgendefDatabase::classInfo.name, EditEgendefDatabase);
    editors.Register(CDataBase::classInfo.name, EditDatabase);
    editors.Register(CMantling::classInfo.name, EditCladding);
    editors.Register(CTillegg2::classInfo.name, EditFittingType);
    editors.Register(CTilleggslengde::classInfo.name, EditFittingLength);
    editors.Register(CVeske::classInfo.name, EditLiquid);
    editors.Register(CRormaterial::classInfo.name, EditPipeMaterial);
    editors.Register(CRordimensjon::classInfo.name, EditPipeDimension);
    editors.Register(CAbsorpsjon::classInfo.name, EditAbsorptionProduct);
    editors.Register(CAbsorpsjonTykkelse::classInfo.name, EditAbsorptionThickness);
    editors.Register(COkonomiModul::classInfo.name, EditEconomy);
    editors.Register(COkonomiIsolasjon::classInfo.name, static_cast<bool (*)(CItem&, QWidget*)>(EditEconomyAlternative));
    editors.Register(CKostnad::classInfo.name, EditCostList);
    editors.Register(CIsoKostnad::classInfo.name, static_cast<bool (*)(CItem&, QWidget*)>(EditCostEntry));
}
