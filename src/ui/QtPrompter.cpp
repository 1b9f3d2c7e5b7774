#include "QtPrompter.h"

#include "QtText.h"
#include "doc/StringTable.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

constexpr int applicationTitleId = 57344;

QMessageBox::Icon boxIcon(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Stop:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button, Buttons buttons)
{
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closed without a button: what Escape would have answered.
        return buttons == Buttons::Ok ? Answer::Ok : buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

// The program speaks Swedish even where no Qt translation is installed.
void labelButtons(QMessageBox& box)
{
    const std::pair<QMessageBox::StandardButton, const char*> labels[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Avbryt"}, {QMessageBox::Yes, "Ja"}, {QMessageBox::No, "Nej"}};
    for (const auto& [which, label] : labels)
        if (QAbstractButton* button = box.button(which))
            button->setText(QString::fromUtf8(label));
}

} // namespace

Answer QtPrompter::Ask(const std::string& text, Buttons buttons, Icon icon)
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(boxIcon(icon), ToQString(LoadString(applicationTitleId)), ToQString(text), boxButtons(buttons),
                    parent);
    labelButtons(box);
    // Enter gives the answer that the headless runs take without asking.
    box.setDefaultButton(platform::DefaultAnswer(buttons) == Answer::Yes ? QMessageBox::Yes : QMessageBox::Ok);
    return answerOf(box.exec(), buttons);
}
