#pragma once
// Every question, notice and common dialog of the program goes through one
// replaceable host. The program uses the Qt host; tests install a scripted
// host that answers in their place and records what was asked.

#include <QString>

class QPrinter;
class QWidget;
class TFont;

// Classic modal results, numbered as the older versions numbered them.
enum TModalResult {
    mrNone = 0, // the box was closed without an answer
    mrOk = 1,
    mrCancel = 2,
    mrYes = 6,
    mrNo = 7,
};

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
};
using TMsgDlgButtons = unsigned;

struct TMessageRequest {
    QString Caption;
    QString Text;
    TMsgDlgType Type = TMsgDlgType::mtCustom; // mtCustom shows no icon
    TMsgDlgButtons Buttons = mbOK;
    TMsgDlgBtn DefaultButton = mbOK;
    TMsgDlgBtn EscapeButton = mbOK; // also what the close box answers
};

enum class TFileDialogKind { Open, Save };

struct TFileDialogRequest {
    TFileDialogKind Kind = TFileDialogKind::Open;
    QString Title;      // empty: the system's default title
    QString Filter;     // classic form: "Description|*.ext|Other|*.x;*.y"
    QString InitialDir;
    QString FileName;   // in: the name offered; out: the full path chosen
};

// A one-line question: the caption, the prompt above the box, and the text
// the box opens with, which holds the answer afterwards.
struct TInputRequest {
    QString Caption;
    QString Prompt;
    QString Value;
};

class TDialogHost {
public:
    virtual ~TDialogHost() = default;

    virtual TModalResult ShowMessageBox(const TMessageRequest &request) = 0;
    // True on OK, with the text typed in request.Value. A host that asks
    // nothing answers like a cancelled box.
    virtual bool ExecuteInputQuery(TInputRequest &request)
    {
        (void)request;
        return false;
    }
    // True on OK; the chosen full path is then in request.FileName.
    virtual bool ExecuteFileDialog(TFileDialogRequest &request) = 0;
    // Opens on `font`; true on OK with the chosen font stored back into it.
    virtual bool ExecuteFontDialog(TFont &font) = 0;
    // The print dialog on `printer`, which comes preset with the page the
    // command prints; true on Print, with the user's choices in `printer`.
    // A host that offers no printing answers like a cancelled dialog.
    virtual bool ExecutePrintDialog(QPrinter &printer)
    {
        (void)printer;
        return false;
    }
};
