#pragma once

#include "CVVSAMATekst.h"
#include "doc/DocumentParts.h"

#include <array>
#include <string>

// The standard description texts of "tekvar.ama" and the user's choice among
// them. The texts belong to the program; the document stores only the choice:
// text index, group and code.
class CProduktBeskrivelse : public CDocumentPart {
    TEKVAR_DECLARE_CLASS(CProduktBeskrivelse)

public:
    static constexpr int textCount = 48;
    static constexpr int groupCount = 6;

    // A group of the code tree: its name, how many codes it has and the text
    // its first code stands for.
    struct CodeGroup {
        const char* name;
        int codeCount;
        int firstText;
    };
    // Group 0 … 5, RBA to RBH.
    static const CodeGroup& Group(int group);
    // The text that code `code` of group `group` stands for; −1 when either
    // is not in the tree.
    static int TextIndex(int group, int code);

    // The choice, as the document stores it.
    void Serialize(CArchive& ar) override;
    void Reset() override;
    std::unique_ptr<CDocumentPart> Copy() const override;

    // Takes the path from the settings and reads the 48 texts. False after
    // the read message; a file that cannot be opened leaves the texts as they
    // were, a damaged one leaves the texts read before the damage.
    bool Load();
    // Writes the 48 texts over the start of the existing file and keeps
    // whatever the file held beyond them. Refuses to create the file. False
    // after the write message.
    bool Save();

    // The dialog works on the container itself: the choice it leaves stays
    // even when it is cancelled, and a confirmed dialog in which a text was
    // edited writes the file. Always true.
    bool Edit() override;

    // The choices of the code tree. Another group clears the code and the
    // text; another code of the group chooses its text.
    void ChooseGroup(int group);
    void ChooseCode(int code);
    // An edited text takes over at once; the file follows when the dialog
    // is confirmed.
    void SetText(int index, const CVVSAMATekst& text);

    int selectedText = -1; // 0 … 47, −1 none
    int selectedGroup = 0; // 0 … 5
    int selectedCode = -1; // −1 none
    std::string filePath;
    std::array<CVVSAMATekst, textCount> texts;

private:
    bool textEdited_ = false;
};
