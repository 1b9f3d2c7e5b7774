#include "CDatabaseverdiBorteDlg.h"

#include "QtText.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

const char* const mustChooseText = "Man måste välja ett värde i rullgardinen och trycka OK för att komma vidare";

} // namespace

CDatabaseverdiBorteDlg::CDatabaseverdiBorteDlg(const std::string& message, const std::vector<std::string>& names,
                                               QWidget* parent)
    : CDatabaseverdiBorteDlg("dbverdiborte", message, names, parent)
{
}

CDatabaseverdiBorteDlg::CDatabaseverdiBorteDlg(std::string helpTopic, const std::string& message,
                                               const std::vector<std::string>& names, QWidget* parent)
    : CItemDlg(std::move(helpTopic), parent)
{
    setWindowTitle(QStringLiteral("Databasvärde saknas "));
    // Without a close button the title bar offers no way out either.
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    auto* explanation = new QLabel(ToQString(message));
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(360);

    // The names are shown sorted; each line remembers its place in the list.
    std::vector<int> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ToQString(names[std::size_t(a)]).localeAwareCompare(ToQString(names[std::size_t(b)])) < 0;
    });
    choice_ = new QComboBox;
    choice_->setObjectName(QStringLiteral("choice"));
    for (int index : order)
        choice_->addItem(ToQString(names[std::size_t(index)]), index);
    choice_->setCurrentIndex(choice_->findData(0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDatabaseverdiBorteDlg::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(choice_);
    layout->addWidget(buttons);
}

int CDatabaseverdiBorteDlg::Chosen() const
{
    return choice_->currentIndex() < 0 ? 0 : choice_->currentData().toInt();
}

void CDatabaseverdiBorteDlg::reject()
{
    platform::prompter().Tell(mustChooseText);
}

CEgendefDatabaseverdiBorteDlg::CEgendefDatabaseverdiBorteDlg(const std::string& message,
                                                             const std::vector<std::string>& names, QWidget* parent)
    : CDatabaseverdiBorteDlg("egenedefdbverdiborte", message, names, parent)
{
}
