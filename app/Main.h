#pragma once

#include "grid/CellGrid.h"
#include "platform/forms/Events.h"
#include "platform/forms/StoredForm.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TextAlignment.h"

#include <cstdint>

namespace platform {
class TBevel;
class TButton;
class TCheckBox;
class TEdit;
class TImage;
class TLabel;
class TMemo;
class TOpenDialog;
class TRadioGroup;
class TScrollBar;
class TSaveDialog;
class TSpinEdit;
} // namespace platform

class UnsavedRecordsFile;

// The scaled cursor coordinate: the last pointer position seen over the
// terrain view times the scale factor, (0, 0) until the first motion.
struct ScaledCursor
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// The one coordinate of the program, kept by the unit Main.
ScaledCursor &scaledCursor();

// The main window's layout and settings.
platform::StoredForm form1StoredForm();

// The level editor's main window, built from its stored form.
class TForm1 : public platform::TForm
{
    Q_OBJECT

public:
    TForm1();

    // Where the text area's unsaved text is kept while the program runs.
    QString unsavedRecordsPath() const;
    // Offers the records that earlier runs kept and did not save, if any;
    // called once the window is shown.
    void offerEarlierRecords();

    platform::TBevel *Bevel1 = nullptr;
    platform::TImage *Image1 = nullptr;
    platform::TButton *OpenTerrain = nullptr;
    platform::TMemo *Memo1 = nullptr;
    platform::TRadioGroup *rg = nullptr;
    platform::TButton *Button1 = nullptr;
    platform::TButton *Button2 = nullptr;
    platform::TEdit *ef_coord = nullptr;
    platform::TOpenDialog *OpenDialog1 = nullptr;
    platform::TLabel *Label1 = nullptr;
    platform::TSpinEdit *se_scale = nullptr;
    platform::TScrollBar *ScrollBar1 = nullptr;
    platform::TCheckBox *CheckBox1 = nullptr;
    platform::TEdit *ef_angle = nullptr;
    TCellGrid *CellGrid1 = nullptr;
    platform::TSaveDialog *SaveDialog1 = nullptr;

    void Image1MouseMove(QObject *Sender, TShiftState Shift, int X, int Y);
    void OpenTerrainClick(QObject *Sender);
    void Button1Click(QObject *Sender);
    void ScrollBar1Change(QObject *Sender);
    void Image1Click(QObject *Sender);
    void CellGrid1GetAlignment(QObject *Sender, int ARow, int ACol, TAlignment &HAlign, TVAlignment &VAlign);
    void Button2Click(QObject *Sender);
    void FormCloseQuery(QObject *Sender, bool &CanClose);

private:
    platform::HandlerTable handlers();
    // Asks for a file and writes the records to it; false when cancelled or failed.
    bool saveRecords();

    // The text area changed since the records were last saved (or since start).
    bool m_recordsChanged = false;
    // A click's record is being added: the unsaved-records file takes it as an append.
    bool m_addingRecord = false;
    UnsavedRecordsFile *m_unsaved;
    template <class T>
    T *component(const char *name) const;
};
