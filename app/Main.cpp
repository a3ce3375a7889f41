#include "app/Main.h"

#include "app/EarlierRunRecords.h"
#include "app/LevelRecord.h"
#include "app/LevelRecordFile.h"
#include "app/UnsavedRecordsFile.h"
#include "grid/CellGrid.h"
#include "platform/controls/TBevel.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TCheckBox.h"
#include "platform/controls/TEdit.h"
#include "platform/controls/TFileDialog.h"
#include "platform/controls/TImage.h"
#include "platform/controls/TLabel.h"
#include "platform/controls/TMemo.h"
#include "platform/controls/TRadioGroup.h"
#include "platform/controls/TScrollBar.h"
#include "platform/controls/TSpinEdit.h"
#include "platform/forms/TApplication.h"
#include "platform/pictures/PictureLoader.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include <stdexcept>

using namespace platform;

ScaledCursor &scaledCursor()
{
    static ScaledCursor cursor;
    return cursor;
}

TForm1::TForm1()
    : m_unsaved(new UnsavedRecordsFile([this] { return Memo1->text(); }, this))
{
    load(form1StoredForm(), handlers());
    Bevel1 = component<TBevel>("Bevel1");
    Image1 = component<TImage>("Image1");
    OpenTerrain = component<TButton>("OpenTerrain");
    Memo1 = component<TMemo>("Memo1");
    rg = component<TRadioGroup>("rg");
    Button1 = component<TButton>("Button1");
    Button2 = component<TButton>("Button2");
    ef_coord = component<TEdit>("ef_coord");
    OpenDialog1 = component<TOpenDialog>("OpenDialog1");
    Label1 = component<TLabel>("Label1");
    se_scale = component<TSpinEdit>("se_scale");
    ScrollBar1 = component<TScrollBar>("ScrollBar1");
    CheckBox1 = component<TCheckBox>("CheckBox1");
    ef_angle = component<TEdit>("ef_angle");
    CellGrid1 = component<TCellGrid>("CellGrid1");
    SaveDialog1 = component<TSaveDialog>("SaveDialog1");
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] {
        m_recordsChanged = true;
        if (!m_addingRecord)
            m_unsaved->changed();
    });
    OnCloseQuery = [this](QObject *sender, bool &canClose) { FormCloseQuery(sender, canClose); };
}

template <class T>
T *TForm1::component(const char *name) const
{
    T *found = clientArea().findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!found)
        throw std::runtime_error(std::string("Component ") + name + " not found");
    return found;
}

HandlerTable TForm1::handlers()
{
    HandlerTable table;
    table.add<TMouseMoveEvent>(QStringLiteral("Image1MouseMove"), [this](QObject *s, TShiftState shift, int x, int y) {
        Image1MouseMove(s, shift, x, y);
    });
    table.add<TNotifyEvent>(QStringLiteral("OpenTerrainClick"), [this](QObject *s) { OpenTerrainClick(s); });
    table.add<TNotifyEvent>(QStringLiteral("Button1Click"), [this](QObject *s) { Button1Click(s); });
    table.add<TNotifyEvent>(QStringLiteral("ScrollBar1Change"), [this](QObject *s) { ScrollBar1Change(s); });
    table.add<TNotifyEvent>(QStringLiteral("Image1Click"), [this](QObject *s) { Image1Click(s); });
    table.add<TNotifyEvent>(QStringLiteral("Button2Click"), [this](QObject *s) { Button2Click(s); });
    table.add<TGetAlignmentEvent>(QStringLiteral("CellGrid1GetAlignment"),
                                  [this](QObject *s, int row, int col, TAlignment &h, TVAlignment &v) {
                                      CellGrid1GetAlignment(s, row, col, h, v);
                                  });
    return table;
}

void TForm1::Image1MouseMove(QObject *, TShiftState, int X, int Y)
{
    const std::int32_t factor = se_scale->value();
    ScaledCursor &cursor = scaledCursor();
    cursor.X = wrappedProduct(X, factor);
    cursor.Y = wrappedProduct(Y, factor);
    ef_coord->setText(coordinateText(cursor.X, cursor.Y));
}

void TForm1::OpenTerrainClick(QObject *)
{
    OpenDialog1->setInitialDir(QCoreApplication::applicationDirPath());
    if (!OpenDialog1->Execute())
        return;
    if (const std::optional<LoadedPicture> picture = loadPicture(OpenDialog1->fileName(), Image1->size()))
        Image1->setPicture(*picture);
}

QString TForm1::unsavedRecordsPath() const
{
    return m_unsaved->path();
}

void TForm1::offerEarlierRecords()
{
    EarlierRunRecords earlier(unsavedRecordsFolder(), m_unsaved->path());
    if (earlier.isEmpty())
        return;
    QMessageBox box(QMessageBox::Question, QCoreApplication::applicationName(),
                    QStringLiteral("Level records of an earlier run were not saved. Restore them?"),
                    QMessageBox::NoButton, this);
    if (!earlier.unreadable().isEmpty())
        box.setInformativeText(QStringLiteral("These files cannot be restored and stay where they are:\n%1")
                                   .arg(earlier.unreadable().join(QLatin1Char('\n'))));
    QPushButton *restore = nullptr;
    if (earlier.hasText()) {
        restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Not now"), QMessageBox::RejectRole);
        box.setDefaultButton(restore);
    } else {
        // Nothing to restore: the box only names the files.
        box.setIcon(QMessageBox::Warning);
        box.setText(QStringLiteral("Level records of an earlier run were not saved."));
        box.addButton(QMessageBox::Ok);
    }
    box.exec();
    if (restore && box.clickedButton() == restore) {
        Memo1->setText(Memo1->text() + earlier.text());
        // The old files go only once this run's file holds their text.
        if (m_unsaved->writeWhole())
            earlier.removeRestored();
    }
}

void TForm1::Button1Click(QObject *)
{
    Memo1->clearUndoably();
}

void TForm1::ScrollBar1Change(QObject *)
{
    ef_angle->setText(QString::number(ScrollBar1->value()));
    CellGrid1->SetRotatedCell(0, 0, std::int16_t(ScrollBar1->value()), QStringLiteral("orientation"));
}

void TForm1::Image1Click(QObject *)
{
    const ScaledCursor &cursor = scaledCursor();
    // QLocale() follows the user's settings as they are now.
    const QStringList lines =
        levelRecordLines(rg->itemIndex(), cursor.X, cursor.Y, ScrollBar1->value(), QLocale().decimalPoint());
    m_addingRecord = true;
    const QString added = Memo1->addLines(lines);
    m_addingRecord = false;
    m_unsaved->appended(added);
}

void TForm1::CellGrid1GetAlignment(QObject *, int, int, TAlignment &HAlign, TVAlignment &VAlign)
{
    HAlign = taCenter;
    VAlign = vtaCenter;
}

void TForm1::Button2Click(QObject *)
{
    saveRecords();
}

bool TForm1::saveRecords()
{
    if (!SaveDialog1->Execute())
        return false;
    if (const std::optional<QString> failure = writeLevelRecords(SaveDialog1->fileName(), Memo1->text())) {
        showErrorMessage(*failure);
        return false;
    }
    m_recordsChanged = false;
    m_unsaved->discard();
    return true;
}

void TForm1::FormCloseQuery(QObject *, bool &CanClose)
{
    if (!m_recordsChanged || Memo1->text().isEmpty()) {
        m_unsaved->discard();
        return;
    }
    QMessageBox question(QMessageBox::Question, QCoreApplication::applicationName(),
                         QStringLiteral("Save changes to the level records?"),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setDefaultButton(QMessageBox::Save);
    switch (question.exec()) {
    case QMessageBox::Save: CanClose = saveRecords(); break;
    case QMessageBox::Discard: m_unsaved->discard(); break;
    default: CanClose = false;
    }
}
