#pragma once

#include "KeyLayoutFile.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class ArrowWidget;
class buildUpColorShowArea;
class dragShowArea;
class keyboardButCustom;
class sideLightButtonCustom;

namespace Ui {
class keyboardPage;
}

// The device page's view of one keyboard model: the model's picture with a
// transparent key button over every cell of the key grid and a side-light
// button over every side-light LED, all from the model's key-layout file.
// It serves key assignment (a current key, hover pop-ups), the live lighting
// (the engine paints the buttons) and custom lighting (keys selected by
// clicks or a rubber band and coloured).
class keyboardPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int RowCount = KeyLayoutFile::RowCount;
    static constexpr int ColumnCount = KeyLayoutFile::ColumnCount;

    explicit keyboardPage(QWidget *parent = nullptr);
    ~keyboardPage() override;

    // The key button of every grid cell the layout gives, else null; read
    // directly by the device page.
    keyboardButCustom *keyButtonGrid[RowCount][ColumnCount] = {};

    // Sets the picture and builds the buttons from the model's layout.
    void setKeyboardName(const QString &model);
    // Builds the buttons from a layout text; buttons of an earlier layout go.
    void parseKeyboardInfo(const QByteArray &text);

    void setKeyClickLocked(bool locked);
    void showSideLights(bool on);
    void hideSideLights();
    void setKeyFrameMode(bool selectCurrent, bool keyMode);
    void setCustomLightMode(bool on);
    void clearSelection();
    void setSelectedKeysColor(int red, int green, int blue);
    void clearCurrentKey();
    void hideKeyTips();
    // Hands a gradient's stops to the hidden preview strip.
    void setColorBuildUp(const QList<double> &stops, const QList<QColor> &colors);
    void updateTheme();

    QList<keyboardButCustom *> getSelectedKeys() const { return m_selectedKeys; }
    QList<sideLightButtonCustom *> getSideLightButtons() const { return m_sideLightButtons; }
    QMap<int, keyboardButCustom *> getKeyButtonMap() const { return m_keyMap; }
    bool hasSideLights() const { return m_sideLightHave; }
    bool supportsOnboard() const { return m_supportOnboard; }

signals:
    void sigKeyboardAlreadyLoad();
    void sigKeyboardClicked(int keyCode, QString rawCaption);
    void sigUpdateCustomLight();

public slots:
    void onKeyButtonClicked();
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();
    void onDragArea(int startX, int startY, int endX, int endY);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void loadKeyboardInfo(const QString &model);
    void removeButtons();
    void applyKeyThemeColors();
    void releaseKeyTip(ArrowWidget *tip);
    void addTouchedKey(keyboardButCustom *key);

    Ui::keyboardPage *ui;
    bool m_sideLightHave = false;
    bool m_supportOnboard = false;
    bool m_specialEnterKey = false;
    int m_specialEnterKeyShape = 0;
    QString m_keyboardIntroduction;
    ArrowWidget *m_currentKeyTip = nullptr;
    // Parentless pop-ups: the view deletes those still listed.
    QList<ArrowWidget *> m_keyTips;
    keyboardButCustom *m_currentKey = nullptr;
    // By key code; a later cell with the same code replaces the entry.
    QMap<int, keyboardButCustom *> m_keyMap;
    dragShowArea *m_dragArea = nullptr;
    buildUpColorShowArea *m_colorBuildUp = nullptr;
    bool m_clicksLocked = false;
    bool m_customLightMode = false;
    QList<keyboardButCustom *> m_touchedKeys;
    QList<keyboardButCustom *> m_selectedKeys;
    QList<sideLightButtonCustom *> m_sideLightButtons;
    int m_offsetX = 10;
    int m_offsetY = 10;
    QString m_modelName;
    QString m_fontFamily;
};
