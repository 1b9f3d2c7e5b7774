#include "KernelMessages.h"

#include "platform/Services.h"

#include <string>

void ShowKernelMessages(thermal::Notices notices, int failure)
{
    for (const int id : thermal::noticeIds) {
        if (notices.Has(id))
            platform::prompter().Tell(std::string(thermal::MessageText(id)));
    }
    if (failure != 0)
        platform::prompter().Tell(std::string(thermal::MessageText(failure)));
}
