#pragma once

#include <QString>

#include <string>

class QWidget;

// Asks the user for the file to open or the name to save under. The main
// window asks through this, so that tests can answer in place of a dialog.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or an empty text when the user cancelled.
    virtual std::string ChooseOpen(QWidget* parent) = 0;
    virtual std::string ChooseSave(QWidget* parent, const std::string& proposed) = 0;
};

// The file dialogs, filtered to "TekvarDok (*.tkv)"; a name saved without
// an extension gets ".tkv".
class QtFileChooser final : public FileChooser {
public:
    std::string ChooseOpen(QWidget* parent) override;
    std::string ChooseSave(QWidget* parent, const std::string& proposed) override;

private:
    // Each dialog opens in the folder the previous one ended in.
    QString folder_;
};
