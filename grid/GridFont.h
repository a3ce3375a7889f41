#pragma once

#include "grid/GridTypes.h"

#include <QFont>
#include <QObject>
#include <QString>

// A font as the grid's settings keep it: face name, height in pixels
// (negative: the height of the characters without leading), colour and
// style. Every change is announced, so the owner can repaint.
class TFont : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName NOTIFY changed)
    Q_PROPERTY(int Height READ Height WRITE SetHeight NOTIFY changed)
    Q_PROPERTY(int Size READ Size WRITE SetSize NOTIFY changed)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor NOTIFY changed)
    Q_PROPERTY(TFontStyles Style READ Style WRITE SetStyle NOTIFY changed)
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset NOTIFY changed)

public:
    // The default character set of the platform's fonts.
    static constexpr int DefaultCharset = 1;

    explicit TFont(QObject *parent = nullptr);

    QString Name() const { return FName; }
    void SetName(const QString &value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    // Size in points at the form's 96 pixels per inch.
    int Size() const;
    void SetSize(int value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    int Charset() const { return FCharset; }
    void SetCharset(int value);

    void Assign(const TFont &source);

    // The Qt font that draws this font.
    QFont ToQFont() const;

signals:
    void changed();

private:
    template <typename T>
    void Store(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        emit changed();
    }

    QString FName = QStringLiteral("MS Sans Serif");
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    int FCharset = DefaultCharset;
};
