#include "CProjectDlg.h"

#include "LimitedTextEdit.h"
#include "QtText.h"
#include "doc/CProject.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLabel* fieldLabel(const char* text, QWidget* field, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setBuddy(field);
    return label;
}

} // namespace

CProjectDlg::CProjectDlg(QWidget* parent) : CItemDlg("::/html/prosjekt.htm", parent)
{
    setWindowTitle(QStringLiteral("Projektinformation"));

    responsible_ = new QLineEdit(this);
    responsible_->setMaxLength(CProject::responsibleLimit);
    projectName_ = new QLineEdit(this);
    projectName_->setMaxLength(CProject::projectNameLimit);
    reference_ = new LimitedTextEdit(CProject::referenceLimit, this);
    comment_ = new LimitedTextEdit(CProject::commentLimit, this);

    // Wide enough for a full line of the single-line fields, and four lines
    // for each of the longer texts.
    const QFontMetrics metrics(font());
    const int fieldWidth = metrics.averageCharWidth() * 48;
    responsible_->setMinimumWidth(fieldWidth);
    for (LimitedTextEdit* edit : {reference_, comment_}) {
        edit->setMinimumWidth(fieldWidth);
        edit->setFixedHeight(metrics.lineSpacing() * 4 + 2 * edit->frameWidth() + 8);
    }

    auto* fields = new QGridLayout;
    fields->addWidget(fieldLabel("Beräkningen är utförd av :", responsible_, this), 0, 0);
    fields->addWidget(responsible_, 0, 1);
    fields->addWidget(fieldLabel("Projektnamn :", projectName_, this), 1, 0);
    fields->addWidget(projectName_, 1, 1);
    fields->addWidget(fieldLabel("Referens :", reference_, this), 2, 0, Qt::AlignTop);
    fields->addWidget(reference_, 2, 1);
    fields->addWidget(fieldLabel("Kommentar :", comment_, this), 3, 0, Qt::AlignTop);
    fields->addWidget(comment_, 3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(CreateButtonBox());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    responsible_->setFocus();
}

void CProjectDlg::setProject(const CProject& project)
{
    responsible_->setText(ToQString(project.responsible));
    projectName_->setText(ToQString(project.projectName));
    reference_->SetText(project.reference);
    comment_->SetText(project.comment);
}

CProjectDlg::Values CProjectDlg::project() const
{
    return {ToStdString(responsible_->text()), ToStdString(projectName_->text()), reference_->Text(),
            comment_->Text()};
}

bool EditProject(CItem& item, QWidget* parent)
{
    auto* project = dynamic_cast<CProject*>(&item);
    if (!project)
        return false;
    CProjectDlg dialog(parent);
    dialog.setProject(*project);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const CProjectDlg::Values values = dialog.project();
    project->responsible = values.responsible;
    project->projectName = values.projectName;
    project->reference = values.reference;
    project->comment = values.comment;
    return true;
}
