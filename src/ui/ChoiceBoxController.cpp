#include "ChoiceBoxController.h"

#include "QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

ChoiceBoxController::~ChoiceBoxController() = default;

void ChoiceBoxController::init(std::vector<CListItem*> items, QComboBox* box, QWidget* text,
                               const CListItem* current)
{
    items_ = std::move(items);
    ownCopy_.reset();
    box_ = box;
    text_ = text;
    box_->clear();
    for (const CListItem* item : items_)
        box_->addItem(ToQString(item->name));
    if (!current) {
        box_->setCurrentIndex(-1);
        showDescription(nullptr);
        return;
    }
    if (box_->findText(ToQString(current->name), Qt::MatchExactly) < 0) {
        ownCopy_ = current->Clone();
        items_.push_back(ownCopy_.get());
        box_->addItem(ToQString(current->name));
    }
    SelectName(current->name);
}

CListItem* ChoiceBoxController::Selected()
{
    if (!box_ || box_->currentIndex() < 0) {
        showDescription(nullptr);
        return nullptr;
    }
    const std::string name = ToStdString(box_->currentText());
    for (CListItem* item : items_)
        if (item->name == name) {
            showDescription(item);
            return item;
        }
    showDescription(nullptr);
    return nullptr;
}

bool ChoiceBoxController::SelectName(const std::string& name)
{
    if (!box_)
        return false;
    const int index = box_->findText(ToQString(name), Qt::MatchExactly);
    if (index < 0)
        return false;
    box_->setCurrentIndex(index);
    Selected();
    return true;
}

void ChoiceBoxController::Enable(bool enable)
{
    if (box_)
        box_->setEnabled(enable);
    if (text_)
        text_->setEnabled(enable);
}

void ChoiceBoxController::showDescription(const CListItem* item)
{
    if (!text_)
        return;
    const QString description = item ? ToQString(item->description) : QString();
    if (auto* label = qobject_cast<QLabel*>(text_))
        label->setText(description);
    else if (auto* line = qobject_cast<QLineEdit*>(text_))
        line->setText(description);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(text_))
        plain->setPlainText(description);
    else if (auto* rich = qobject_cast<QTextEdit*>(text_))
        rich->setPlainText(description);
}
