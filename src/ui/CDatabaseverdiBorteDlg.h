#pragma once

#include "CItemDlg.h"

#include <string>
#include <vector>

class QComboBox;

// Asks for a replacement of a catalogue value that a document names but the
// catalogue no longer holds. There is no way out without a choice: the
// calculations need a value, so Escape and closing the window only explain.
class CDatabaseverdiBorteDlg : public CItemDlg {
    Q_OBJECT

public:
    CDatabaseverdiBorteDlg(const std::string& message, const std::vector<std::string>& names,
                           QWidget* parent = nullptr);

    // The index, in the order given, of the name chosen.
    int Chosen() const;

    void reject() override;

protected:
    CDatabaseverdiBorteDlg(std::string helpTopic, const std::string& message,
                           const std::vector<std::string>& names, QWidget* parent);

private:
    QComboBox* choice_ = nullptr;
};

// The same question for the user's own insulation products.
class CEgendefDatabaseverdiBorteDlg final : public CDatabaseverdiBorteDlg {
    Q_OBJECT

public:
    CEgendefDatabaseverdiBorteDlg(const std::string& message, const std::vector<std::string>& names,
                                  QWidget* parent = nullptr);
};
