#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <QToolButton>

// The picture-and-caption button of the device page's selector rows: a dark
// tile with a small picture and a bold caption, a hover shade, and a selected
// look that swaps the picture for its "Sel" twin and turns the caption red.
// It paints itself completely; the inherited button text is never drawn.
class CustomButton : public QToolButton
{
    Q_OBJECT

public:
    explicit CustomButton(QWidget *parent = nullptr);

    // picturePath names the normal picture, ending in "Def.png".
    void setImageAndText(const QString &picturePath, const QString &caption);
    // Also clears the hover shade.
    void setSelected(bool selected);
    void setThemeColors(const QColor &selectedBackground, const QColor &hoverBackground,
                        const QColor &normalBackground, const QColor &normalText, const QColor &selectedText,
                        const QString &fontFamily);

    bool isSelected() const { return m_selected; }
    // The caption as painted, its lines joined by "\n": a caption wider
    // than its place runs on to the row's edge, then breaks into two lines;
    // past that it is elided, the whole caption then being the tool tip.
    QString shownCaption() const;
    bool isHovered() const { return m_hovered; }

    // The selected twin of a picture: the three characters before the first
    // "." of the file name become "Sel" (macroDef.png gives macroSel.png).
    // A name with fewer than three characters before its dot has no twin and
    // comes back unchanged.
    static QString selectedPicturePath(const QString &picturePath);

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QFont captionFont() const;
    QRect captionRect(const QFontMetrics &metrics) const;
    QStringList captionLines(const QFontMetrics &metrics) const;
    void updateCaptionToolTip();

    QString m_picturePath = QStringLiteral(":/images/device/defaultDef.png");
    QString m_caption;
    bool m_selected = false;
    bool m_hovered = false;
    QColor m_selectedBackground{25, 25, 25};
    QColor m_hoverBackground{40, 40, 40};
    QColor m_normalBackground{35, 35, 35};
    QColor m_normalText{185, 185, 185};
    QColor m_selectedText{255, 49, 53};
    QString m_fontFamily = QStringLiteral("Microsoft YaHei");
    bool m_captionToolTip = false; // the tool tip is the cut caption's
};
