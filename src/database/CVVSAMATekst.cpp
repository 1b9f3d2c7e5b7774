#include "CVVSAMATekst.h"

void CVVSAMATekst::Serialize(CArchive& ar)
{
    ar.Text(heading);
    ar.Text(body);
}
