#include "CProject.h"

#include "StringTable.h"
#include "platform/Services.h"

TEKVAR_IMPLEMENT_CLASS(CProject, CItem)

namespace {
constexpr int headerTextId = 62652;
}

void CProject::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(LoadString(headerTextId));
        ar.WriteString(responsible);
    } else {
        std::string first = ar.ReadString();
        readOldFormat = first != LoadString(headerTextId);
        responsible = readOldFormat ? first : ar.ReadString();
    }
    ar.Text(projectName);
    ar.Text(reference);
    ar.Text(comment);
}

bool CProject::Edit()
{
    return platform::editors().Edit(*this);
}

void CProject::Clear()
{
    responsible.clear();
    projectName.clear();
    reference.clear();
    comment.clear();
}
