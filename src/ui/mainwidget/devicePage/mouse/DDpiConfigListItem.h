#pragma once

#include "xmlRecords.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QLabel;

namespace Ui {
class DDpiConfigListItem;
}

// One row of the DPI view's level list: the enable box and the radio button
// of the active level (the word "Sniper" for level 6), the level's DPI value
// or X and Y values, and a swatch of its colour. The row keeps a copy of the
// level; the view changes it through the setters and does all storing.
class DDpiConfigListItem : public QWidget
{
    Q_OBJECT

public:
    static constexpr int SniperLevel = 6;

    explicit DDpiConfigListItem(int level, QWidget *parent = nullptr);
    ~DDpiConfigListItem() override;

    void setDpiInfo(dpiConfigInfo info, int activeLevel);
    void setSelected(bool selected);
    void setActive(bool active);
    void setXYMode(int mode);
    void setDpiXY(int value);
    void setDpiX(int value);
    void setDpiY(int value);
    // Emits sigDpiConfigHaveChanged unless the SV-area press flag is set.
    void setColor(const QColor &color);
    void setPressed(bool pressed);

    dpiConfigInfo getDpiInfo() const { return m_info; }
    int getIndex() const { return m_level; }
    int getXYMode() const { return m_info.isXY; }
    QColor getColor() const { return m_color; }
    int getDpiX() const { return m_info.dpiX; }
    int getDpiY() const { return m_info.dpiY; }

    void emitItemClicked();
    void emitSetToMouse();
    void emitHaveChanged();

signals:
    void sigDpiConfigItemMouseClicked(int level);
    void sigDpiConfigSetToMouse();
    void sigDpiConfigHaveChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_checkBox_Select_clicked();
    void on_radioButton_hasSet_clicked();

private:
    void styleSwatch();
    QList<QLabel *> valueLabels() const;

    std::unique_ptr<Ui::DDpiConfigListItem> ui;
    int m_level = 1;
    dpiConfigInfo m_info {};
    QColor m_color {0, 0, 0, 255};
    bool m_pressed = false;
    // Style texts taken when the row is built; a theme change rebuilds rows.
    QString m_normalBg;
    QString m_hoverBg;
    QString m_selectedBg;
    QString m_textColor;
    QString m_checkedColor;
    QString m_fontFamily;
};
