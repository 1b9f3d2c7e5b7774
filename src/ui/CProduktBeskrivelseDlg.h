#pragma once

#include "CItemDlg.h"

#include <string>

class CProduktBeskrivelse;
class CProject;
class CodeTreePicture;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

// "Beskrivningstexter enligt AMA VVS & KYL 22": the code trees to pick a
// description text by, the text with the project's name and responsible
// person, and printing, copying and editing it. Works on the container
// itself, so the choice stays also when the dialog is cancelled.
class CProduktBeskrivelseDlg : public CItemDlg {
    Q_OBJECT

public:
    CProduktBeskrivelseDlg(CProduktBeskrivelse& texts, const CProject* project, QWidget* parent = nullptr);

    // The text the dialog shows for the container's choice, with CR LF line
    // ends as the file keeps them; empty when no text is chosen.
    static std::string ShownText(const CProduktBeskrivelse& texts, const CProject* project);
    // One page: Arial 4 mm high, margins of a tenth of the page, words
    // wrapped, a tab stop every 12 characters.
    static void PrintText(QPrinter& printer, const QString& text);

    void OnPrint();
    void OnCopy();
    void OnEdit();

    CodeTreePicture* GroupTree() const { return groups_; }
    CodeTreePicture* CodeTree() const { return codes_; }
    QPlainTextEdit* TextField() const { return text_; }
    QPushButton* PrintButton() const { return print_; }
    QPushButton* CopyButton() const { return copy_; }
    QPushButton* EditButton() const { return edit_; }

private:
    void showChoice();
    // The selected part of the text, or all of it.
    QString textToUse() const;

    CProduktBeskrivelse& texts_;
    const CProject* project_;
    CodeTreePicture* groups_ = nullptr;
    CodeTreePicture* codes_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* edit_ = nullptr;
};

// The project the next description dialog shows; set around the command.
void SetDescriptionProject(const CProject* project);

class CItem;
bool EditDescriptions(CItem& item, QWidget* parent);
