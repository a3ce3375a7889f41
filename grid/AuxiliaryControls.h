#pragma once

#include <QLabel>
#include <QTextEdit>
#include <QWidget>

// Controls the grid creates for its optional facilities. Their behaviour
// belongs to those facilities; here they are made, placed and owned.

// The panel under the grid that shows the floating footer.
class TFooterPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TFooterPanel(QWidget *parent = nullptr);
};

// The window that shows the grid's hints: no border.
class THTMLHintWindow : public QLabel
{
    Q_OBJECT

public:
    THTMLHintWindow();
};

// A hidden rich-text editor used to lay out and convert rich cell text.
class TGridRichEdit : public QTextEdit
{
    Q_OBJECT

public:
    TGridRichEdit();
};

// A small lime-green arrow that marks where a moved column or row will land.
class TArrowWindow : public QWidget
{
    Q_OBJECT

public:
    // Direction 0 to 3: down, up, right, left.
    TArrowWindow(QWidget *parent, int direction);
    int Direction() const { return FDirection; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int FDirection;
};
