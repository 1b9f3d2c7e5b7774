#include "Editors.h"

#include "CProjectDlg.h"
#include "QtEditorService.h"
#include "doc/CProject.h"

void RegisterEditors(QtEditorService& editors)
{
    editors.Register(CProject::classInfo.name, EditProject);
}
