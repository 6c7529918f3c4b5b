#pragma once

#include <QColor>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DmouseConfigView;
}

class BasicColorArea;
class DDpiConfigListItem;
class QLineEdit;
class SVColorArea;
class xmlInterface;

// The mouse's DPI panel: one row per level of the profile's `dpi` element,
// sliders for the X and Y resolution of the row being edited, the Enable X/Y
// box, and a colour editor (ring, R/G/B edits, swatch palette) for the
// level's indicator colour. Every edit is stored at once; the view then
// emits sigDpiConfigChanged and the device page sends what is stored.
//
// Two rows matter: the active level (stored as usingIndex, radio checked)
// and the edited row (highlighted, shown by the sliders and the colour
// editor). A click on a row edits it; its radio button makes it active.
class DmouseConfigView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DpiStep = 100;
    static constexpr int SliderMinimum = 2;
    static constexpr int SliderMaximum = 50;

    explicit DmouseConfigView(QWidget *parent = nullptr);
    ~DmouseConfigView() override;

    // Path in the file system's 8-bit encoding; kept whole.
    void setXmlInfo(const char *path, xmlInterface *store);
    void setProfileIndex(int index);
    void loadDpiConfig();
    // The mouse's DPI key: the next enabled level of 1..5 becomes edited and
    // active; nothing changes when none of them is enabled.
    void switchToNextDpiLevel();
    void setEnableXYVisible(bool visible);
    void retranslate();
    void updateTheme();

    DDpiConfigListItem *editedRow() const { return m_editedRow; }
    int activeLevel() const { return m_activeLevel; }
    QList<DDpiConfigListItem *> rows() const { return m_rows; }

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void sigDpiConfigChanged();

private slots:
    void onDpiConfigItemMouseClicked(int level);
    void onDpiConfigSetToMouse();
    void onDpiConfigHaveChanged();
    void onSetValueX(int position);
    void onSetValueY(int position);
    void onSliderReleased();
    void onGetRGB(int red, int green, int blue);
    void onMoveingStatus(int position, int angle);
    void onSVColorAreaMouseIsPress(bool pressed);
    void onColorItemSelcSignal(const QColor &color);
    void onAddColor(int slot);
    void onDeleteColor(int slot);
    void on_checkBox_EnableXY_clicked();
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);

private:
    enum Channel { Red, Green, Blue };

    void buildDpiList();
    void clearDpiList();
    void saveDpiInfo(DDpiConfigListItem *row);
    void setSelectColor(const QColor &color);
    void setEditedRowColor(const QColor &color);
    void applyEditColor();
    void clearPickMark();
    void editTextChanged(Channel channel, QLineEdit *edit, const QString &text);
    int editValue(QLineEdit *edit) const;
    void writeRangeLabels();
    QByteArray profileText() const;

    std::unique_ptr<Ui::DmouseConfigView> ui;
    QString m_profilePath;
    xmlInterface *m_store = nullptr;
    int m_profileIndex = 1;
    int m_activeLevel = 0;
    QList<DDpiConfigListItem *> m_rows;
    QMap<int, DDpiConfigListItem *> m_rowByLevel;
    DDpiConfigListItem *m_editedRow = nullptr;
    QColor m_baseColor {0, 0, 0};
    bool m_svPressed = false;
    // The edited row's colour changed in memory during a press on the ring.
    bool m_colorUnsaved = false;
    // Every repaint of the ring reports its value: only a change applies.
    int m_lastRingValue = 0;
    int m_lastAccepted[3] = {0, 0, 0};
    SVColorArea *m_svArea = nullptr;
    BasicColorArea *m_palette = nullptr;
};
