#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DMouseLightPage;
}

class mouseLightButtonCustom;
class xmlInterface;

// The mouse's lighting panel: the mouse picture with one glowing dot per
// LED, which the mouse lighting engine repaints, and the three zone buttons
// (Scroll, Around, Logo) with the two links that tie Scroll or Logo to
// Around. The link states belong to the current profile (`linkStatus` of
// `light1` and `light2`); the page stores them and signals the device page.
class DMouseLightPage : public QWidget
{
    Q_OBJECT

public:
    enum Zone { Around = 0, Scroll = 1, Logo = 2 };

    explicit DMouseLightPage(const QString &modelName, QWidget *parent = nullptr);
    ~DMouseLightPage() override;

    // Reads the LED entries of the model's layout file and makes the dots.
    void loadMouseInfo(const QString &modelName);
    // The dots in file order; the engine's LED i is the i-th dot.
    QList<mouseLightButtonCustom *> getLedWidgets() const { return m_leds; }
    // Path in the file system's 8-bit encoding; kept whole.
    void setXmlInfo(const char *profilePath, xmlInterface *store);
    void setProfileIndex(int index);
    void loadLinkStatus();
    void retranslate();
    void updateTheme();
    void setLightDisabled(int off);

    int currentZone() const { return m_currentZone; }
    int scrollLinkStatus() const { return m_scrollLink; }
    int logoLinkStatus() const { return m_logoLink; }

signals:
    void sigScrollLinkStatus(int linked);
    void sigLogoLinkStatus(int linked);
    void sigSelectMouseLightType(int zone);

private slots:
    void on_toolButton_AroundType_clicked();
    void on_toolButton_ScrollType_clicked();
    void on_toolButton_LogoType_clicked();
    void on_pushButton_LinkScroll_clicked();
    void on_pushButton_LinkLogo_clicked();

private:
    void setToolTips();
    void storeLink(int zone, int linked);
    QByteArray profileText() const;

    std::unique_ptr<Ui::DMouseLightPage> ui;
    QList<mouseLightButtonCustom *> m_leds;
    int m_currentZone = Around;
    int m_scrollLink = 0;
    int m_logoLink = 0;
    QString m_profilePath;
    xmlInterface *m_store = nullptr;
    int m_profileIndex = 1;
};
