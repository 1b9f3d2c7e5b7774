#pragma once

#include <QPlainTextEdit>

#include <string>

// A text field of several lines that holds at most a given number of
// characters, counted as the document file stores them: with CR LF line ends,
// so that a line break takes two of them. Typing stops at the limit, a paste
// keeps what fits, and a text set as a whole is cut at its end.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit LimitedTextEdit(int limit, QWidget* parent = nullptr);

    int Limit() const { return limit_; }

    // The text with CR LF line ends.
    void SetText(const std::string& text);
    std::string Text() const;

    // The length of a text with LF line ends once it is stored with CR LF.
    static int StoredLength(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    int room() const;
    void trim();

    int limit_;
    bool trimming_ = false;
};
