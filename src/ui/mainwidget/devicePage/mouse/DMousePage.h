#pragma once

#include "mouseLayoutFile.h"
#include "xmlRecords.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QMap>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class DMousePage;
}

class QButtonGroup;
class QPushButton;
class xmlInterface;

// The mouse counterpart of the keyboard view: the mouse picture with a
// leader line from each button to a label that shows what the button does
// (its name, or the function bound to it in the current profile). A click on
// a label selects the button for assignment; the device page does the rest.
// The page never writes the store and never sends anything.
class DMousePage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ButtonCount = 8;
    // Labels wider than this are elided, with the full text as tool tip.
    static constexpr int LabelElideWidth = 110;

    explicit DMousePage(const QString &modelName, QWidget *parent = nullptr);
    ~DMousePage() override;

    void setKeyNameMap(const QMap<int, QString> &names);
    void setXmlInterface(xmlInterface *store);
    // The macro file that names macro bindings.
    void setMacroFilePath(const QString &path);
    // Reads the model's layout file once; emits sigMouseInfoAlreadyLoad when
    // it could be read.
    void loadMouseInfo(const QString &modelName);
    // Path in the file system's 8-bit encoding; kept whole.
    void setProfilePath(const char *path);
    void setMouseKeyInfo(int buttonCode, customKeyInfo info);
    void setButtonText(int buttonCode, const QString &text);
    void resetButtonText(int buttonCode);
    void retranslateButtons();
    void updateTheme();
    int getSupportEnableXY() const { return m_supportEnableXY; }

    bool isLoaded() const { return m_loaded; }
    QString picturePath() const { return m_picturePath; }
    QPushButton *button(int number) const;
    // The button code of a button number (the profile's key code), -1 for
    // numbers outside 0..7.
    static int buttonCode(int number);

signals:
    void sigMouseInfoAlreadyLoad();
    void sigMouseButtonClicked(int index);

public slots:
    void onCurMouseIndexChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void placeButtons();
    int buttonForCode(int code) const;

    std::unique_ptr<Ui::DMousePage> ui;
    QMap<int, QString> m_keyNames;
    xmlInterface *m_store = nullptr;
    QString m_profilePath;
    QString m_macroFilePath;
    QString m_modelName;
    QString m_picturePath;
    QPixmap m_picture;
    customKeyInfo m_lastRecord {};
    std::array<QPushButton *, ButtonCount> m_buttons {};
    std::array<QString, ButtonCount> m_defaultNames;
    QButtonGroup *m_group = nullptr;
    bool m_loaded = false;
    bool m_selected = false;
    QList<mouseButtonInfo> m_entries;
    QMap<int, mouseButtonInfo> m_entriesByIndex;
    mouseButtonInfo m_selectedEntry;
    int m_labelWidth = mouseLayoutFile::DefaultLabelWidth;
    int m_labelHeight = mouseLayoutFile::DefaultLabelHeight;
    int m_supportEnableXY = mouseLayoutFile::DefaultSupportEnableXY;
    QFont m_labelFont;
    QColor m_backgroundColor;
    QColor m_lineColor {160, 160, 160};
    QColor m_dotColor {200, 200, 200};
    QColor m_leftLineColor;
    QColor m_leftDotColor;
    QColor m_selectedColor;
};
