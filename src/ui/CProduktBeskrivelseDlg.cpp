#include "CProduktBeskrivelseDlg.h"

#include "CRedigerBeskrivelseDlg.h"
#include "CodeTreePicture.h"
#include "QtText.h"
#include "database/CProduktBeskrivelse.h"
#include "doc/CProject.h"
#include "platform/Services.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextOption>
#include <QVBoxLayout>

#include <cstdio>

namespace {

const CProject* nextProject = nullptr;

std::string fill(const std::string& format, const std::vector<std::string>& values)
{
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next < values.size()) {
            out += values[next++];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

QString withLineFeeds(const std::string& text)
{
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

void SetDescriptionProject(const CProject* project)
{
    nextProject = project;
}

std::string CProduktBeskrivelseDlg::ShownText(const CProduktBeskrivelse& texts, const CProject* project)
{
    if (texts.selectedText < 0 || texts.selectedText >= CProduktBeskrivelse::textCount)
        return {};
    const CVVSAMATekst& text = texts.texts[std::size_t(texts.selectedText)];
    return fill("Tekvar\xC2\xAE Beskrivningstext AMA VVS & Kyl 22\r\n\r\nProjektnamn:\t%s\r\nAnsvarig person:\t%s\r\n\r\n%s"
                "\r\n\r\n%s",
                {project ? project->projectName : std::string(), project ? project->responsible : std::string(),
                 text.heading, text.body});
}

CProduktBeskrivelseDlg::CProduktBeskrivelseDlg(CProduktBeskrivelse& texts, const CProject* project, QWidget* parent)
    : CItemDlg("::/html/vvsamadlg.htm", parent), texts_(texts), project_(project)
{
    setWindowTitle(QStringLiteral("Beskrivningstexter enligt AMA VVS & KYL 22"));

    groups_ = new CodeTreePicture(this);
    QStringList names;
    for (int g = 0; g < CProduktBeskrivelse::groupCount; ++g)
        names << QString::fromLatin1(CProduktBeskrivelse::Group(g).name);
    groups_->SetTree(QStringLiteral("AMA VVS & Kyl 22"), names);
    codes_ = new CodeTreePicture(this);
    codes_->ReserveRows(2); // RBFU's ten codes

    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setMinimumSize(520, 320);
    text_->setTabStopDistance(text_->fontMetrics().averageCharWidth() * 18);

    print_ = new QPushButton(QStringLiteral("Skriv ut"), this);
    copy_ = new QPushButton(QStringLiteral("Kopiera"), this);
    edit_ = new QPushButton(QStringLiteral("Redigera"), this);
    for (QPushButton* button : {print_, copy_, edit_})
        button->setAutoDefault(false);

    auto* trees = new QVBoxLayout;
    auto* groupBox = new QGroupBox(QStringLiteral("Grupp"), this);
    (new QVBoxLayout(groupBox))->addWidget(groups_, 0, Qt::AlignHCenter);
    auto* codeBox = new QGroupBox(QStringLiteral("Kod"), this);
    (new QVBoxLayout(codeBox))->addWidget(codes_, 0, Qt::AlignHCenter);
    trees->addWidget(groupBox);
    trees->addWidget(codeBox);
    trees->addStretch(1);

    auto* textButtons = new QHBoxLayout;
    textButtons->addWidget(print_);
    textButtons->addWidget(copy_);
    textButtons->addWidget(edit_);
    textButtons->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(text_, 1);
    right->addLayout(textButtons);

    auto* top = new QHBoxLayout;
    top->addLayout(trees);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(CreateButtonBox());

    connect(groups_, &CodeTreePicture::clicked, this, [this](int group) {
        texts_.ChooseGroup(group);
        showChoice();
    });
    connect(codes_, &CodeTreePicture::clicked, this, [this](int code) {
        texts_.ChooseCode(code);
        showChoice();
    });
    connect(print_, &QPushButton::clicked, this, &CProduktBeskrivelseDlg::OnPrint);
    connect(copy_, &QPushButton::clicked, this, &CProduktBeskrivelseDlg::OnCopy);
    connect(edit_, &QPushButton::clicked, this, &CProduktBeskrivelseDlg::OnEdit);
    showChoice();
}

void CProduktBeskrivelseDlg::showChoice()
{
    const int group = std::clamp(texts_.selectedGroup, 0, CProduktBeskrivelse::groupCount - 1);
    groups_->SetChosen(group);
    const CProduktBeskrivelse::CodeGroup& info = CProduktBeskrivelse::Group(group);
    QStringList codes;
    for (int k = 0; k < info.codeCount; ++k)
        codes << QStringLiteral("%1.%2").arg(QLatin1String(info.name)).arg(k + 1);
    codes_->SetTree(QLatin1String(info.name), codes);
    codes_->SetChosen(texts_.selectedCode);

    text_->setPlainText(withLineFeeds(ShownText(texts_, project_)));
    const bool chosen = texts_.selectedText >= 0;
    print_->setEnabled(chosen);
    copy_->setEnabled(chosen);
    edit_->setEnabled(chosen);
}

QString CProduktBeskrivelseDlg::textToUse() const
{
    const QString selected = text_->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return selected.isEmpty() ? text_->toPlainText() : selected;
}

void CProduktBeskrivelseDlg::OnCopy()
{
    const QString text = textToUse();
    if (!text.isEmpty())
        platform::clipboard().SetText(ToStdString(text));
}

void CProduktBeskrivelseDlg::OnPrint()
{
    const QString text = textToUse();
    if (text.isEmpty())
        return;
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintText(printer, text);
}

void CProduktBeskrivelseDlg::PrintText(QPrinter& printer, const QString& text)
{
    printer.setDocName(QStringLiteral("Tekvar AMA VVS & KYL 12"));
    printer.setFullPage(true);
    QPainter painter(&printer);
    const QRectF page = printer.paperRect(QPrinter::DevicePixel);
    const QRectF area(page.width() / 10, page.height() / 10, page.width() * 0.8, page.height() * 0.8);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(4.0 / 25.4 * printer.resolution()));
    painter.setFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setTabStopDistance(12 * painter.fontMetrics().averageCharWidth());
    painter.drawText(area, text, option);
}

void CProduktBeskrivelseDlg::OnEdit()
{
    const int index = texts_.selectedText;
    if (index < 0 || index >= CProduktBeskrivelse::textCount)
        return;
    CRedigerBeskrivelseDlg dialog(texts_.texts[std::size_t(index)], this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    texts_.SetText(index, dialog.Text());
    // Shown at once: the text on screen is the one that would be printed.
    showChoice();
}

bool EditDescriptions(CItem& item, QWidget* parent)
{
    auto* texts = dynamic_cast<CProduktBeskrivelse*>(&item);
    if (!texts)
        return false;
    CProduktBeskrivelseDlg dialog(*texts, nextProject, parent);
    return dialog.exec() == QDialog::Accepted;
}
