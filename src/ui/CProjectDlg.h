#pragma once

#include "CItemDlg.h"

#include <string>

class CItem;
class CProject;
class LimitedTextEdit;
class QLineEdit;

// "Projektinformation": who made the calculation, the project's name, a
// reference and a comment. It takes the project's texts in and hands the
// edited texts out; the caller copies them back on OK.
class CProjectDlg : public CItemDlg {
    Q_OBJECT

public:
    struct Values {
        std::string responsible;
        std::string projectName;
        std::string reference; // several lines, CR LF line ends
        std::string comment;   // several lines, CR LF line ends
    };

    explicit CProjectDlg(QWidget* parent = nullptr);

    void setProject(const CProject& project);
    Values project() const;

    QLineEdit* ResponsibleField() const { return responsible_; }
    QLineEdit* ProjectNameField() const { return projectName_; }
    LimitedTextEdit* ReferenceField() const { return reference_; }
    LimitedTextEdit* CommentField() const { return comment_; }

private:
    QLineEdit* responsible_;
    QLineEdit* projectName_;
    LimitedTextEdit* reference_;
    LimitedTextEdit* comment_;
};

// The editor of CProject: the dialog on the project's texts, copied back on OK.
bool EditProject(CItem& item, QWidget* parent);
