#pragma once

#include "hidStructInfo.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class DDeviceKeyboardLink;
class DDeviceListItem;
class QHBoxLayout;
class QLabel;
class QStackedWidget;
class xmlInterface;

// The device page as the main window sees it: it keeps the attached devices'
// list, one row and one device link per path, and republishes every list it
// takes. The page's configuration views grow on this; until then a row per
// device is all it shows. The operations the window calls are virtual so
// that tests can put a page of their own in its place.
class DDevicePage : public QWidget
{
    Q_OBJECT

public:
    explicit DDevicePage(QWidget *parent = nullptr);
    // Tears every link down.
    ~DDevicePage() override;

    virtual void setMacroFileAndXmlInterface(const char *macroFilePath, xmlInterface *xml);
    virtual void setMainWidget(QWidget *mainWidget);

    // Unsaved lighting: none yet on this page.
    virtual bool isLightChanged() const;
    virtual int askSaveLightChanges();
    virtual void saveLightChanges();
    virtual void clearLightChanged();

    virtual void showFirstDevice();
    virtual QList<hidStructInfo> getHidDeviceList() const;
    // The first list with devices builds a row and a link per record and
    // returns true; later lists only refresh the records (false), and the
    // window then calls insertOrRemoveHidDevice. Both emit the list.
    virtual bool loadHidDeviceList(const QList<hidStructInfo> &list);
    // Takes in every path the latest list added and drops every path it
    // lost (whatever the direction says); hidPath is not used.
    virtual void insertOrRemoveHidDevice(bool inserted, const QString &hidPath);
    virtual void stopDeviceLighting();
    virtual void retranslateAllUI();
    virtual void changeAppTheme();

    // Path -> link of every attached device; the page keeps them.
    virtual QMap<QString, DDeviceKeyboardLink *> getDeviceLinkMap() const;
    // A device coming back from a firmware update at path gets serial.
    virtual void setHidUpgradeInfo(bool pending, const QString &hidPath, const QString &serial);
    // At the program's stop: every link torn down (playback stopped, keys
    // released, transport joined, device closed), rows and lists emptied.
    virtual void closeAllDevices();

    QStringList hidPathList() const { return m_hidPathList; }

signals:
    void sigHidDeviceListUpdate(QList<hidStructInfo> list);
    void sigHomePageDeviceItemClicked(QString hidPath);
    void sigMacroListHaveChangedSendToDevice(QString index, QString name);
    void sigHookKeyboardRecviveStreamToDevice(int virtualKey, int isDown, int flags);

public slots:
    void onHomePageDeviceItemClicked(QString hidPath);

private slots:
    void onDeviceItemPressed();

private:
    void clearDeviceItems();
    void addDevice(const hidStructInfo &record);
    void removeDevice(const QString &path);
    DDeviceKeyboardLink *createDeviceLink(const hidStructInfo &record);
    void selectRow(DDeviceListItem *row);
    void updateShownPage();

    QStackedWidget *m_stack = nullptr;
    QLabel *m_tipLabel = nullptr;
    QHBoxLayout *m_deviceItemLayout = nullptr;

    QString m_macroFilePath;
    xmlInterface *m_xmlInterface = nullptr;
    QPointer<QWidget> m_mainWidget;

    bool m_hidListLoaded = false;
    QList<hidStructInfo> m_hidInfoList;
    QStringList m_hidPathList;    // paths taken in
    QStringList m_newHidPathList; // paths of the latest list
    QMap<QString, hidStructInfo> m_hidPathInfoMap;
    QMap<QString, DDeviceListItem *> m_hidPathItemMap;
    QMap<QString, DDeviceKeyboardLink *> m_hidPathLinkMap;
    QList<DDeviceListItem *> m_deviceItemList;
    DDeviceListItem *m_currentDeviceItem = nullptr;
    int m_deviceIndexCounter = 0;

    bool m_upgradeSerialPending = false;
    QString m_upgradeHidPath;
    QString m_upgradeSnInfo;
};
