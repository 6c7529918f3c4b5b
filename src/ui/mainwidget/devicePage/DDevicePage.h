#pragma once

#include "deviceOperationQueue.h"
#include "devicePageWait.h"
#include "deviceSelection.h"
#include "hidStructInfo.h"
#include "keyCaptionText.h"
#include "mouseSettingsReports.h"
#include "customLightRules.h"
#include "selectionLists.h"
#include "xmlRecords.h"

#include <QColor>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class ArrowWidget;
class CbNotice;
class ColorWheelTool;
class CustomButton;
class DChangProfilePage;
class DChangeKeyPage;
class DCustomEventListPage;
class DCustomLightListItem;
class DDeviceKeyboardLink;
class DDeviceListItem;
class faintPictureTint;
class DHotKeyPage;
class DKeyCombinationPage;
class DKeyDisablePage;
class DKeyWithAppPage;
class DKeyWithTextPage;
class DMacroCmdPage;
class DMouseKeyPage;
class DMouseLightPage;
class DMousePage;
class DMousePerformanceView;
class DMultimediaPage;
class DOnboardPage;
class DPerformancePage;
class DResetDefaultPage;
class DSoftKeyboardPage;
class DTipInfoDia;
class DmouseConfigView;
class MainHidInterFace;
class pageTextFitter;
class QAbstractButton;
class QAction;
class QBoxLayout;
class QButtonGroup;
class QMenu;
class QScrollArea;
class keyboardButCustom;
class onboardDownloadSender;
class onboardLayerFiles;
class keyboardPage;
class mouseKeySender;
class lightDealMain;
class mouseLightDealMain;
class pcProfileStore;
class profileListItem;
class xmlInterface;
class Ui_DDevicePage;

// The one configuration page of the main window, shared by every attached
// keyboard and mouse: a row and a device link per attached device path, the
// selected device's view, and the side panels (key functions, lighting,
// profiles) with the tool pages below the device. It routes what the user
// sets to the store, the lighting engines and the device.
//
// The operations the main window calls are virtual so that its tests can put
// a page of their own in its place.
class DDevicePage : public QWidget
{
    Q_OBJECT
    // The lighting tests put a device in place the way the device load does.
    friend class tst_DevicePageLighting;
    friend class devicePageLightingBench;

public:
    // Tool ids of the tool group.
    enum ToolId { ToolPerformance = 0, ToolCustomList = 1, ToolSoftKeyboard = 2, ToolMousePerformance = 3,
                  ToolMouseDpiConfig = 4 };

    explicit DDevicePage(QWidget *parent = nullptr);
    // Stops both engines' threads, then deletes the links and the engines.
    ~DDevicePage() override;

    Ui_DDevicePage *form() const { return ui; }

    // --- Called by the main window ---------------------------------------
    // The path is kept whole, whatever its length.
    virtual void setMacroFileAndXmlInterface(const char *macroFilePath, xmlInterface *xml);
    virtual void setMainWidget(QWidget *mainWidget);

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

    // --- Page operations -------------------------------------------------
    // Centre of the page's toasts.
    QPoint getNoticePoint() const;

    void initSelectionLists();
    void resetKeyFunctionList();
    void resetLedTypeList();
    void resetSideLedTypeList();
    void resetScrollAndLogoLedTypeList();
    void filterLightTypes();
    void filterKeyboardLightTypes();
    void filterSideLightTypes();
    void filterMouseLightTypes();
    void setAllKeysAssigned(bool assigned);

    void updateOnboardMargins();
    void showOnboardExplainPopup();

    void enterLightingPanel();
    void restoreStoredLighting();
    // The colour panel's writes the profile did not take.
    void onLightSaveFailed(bool chosen);
    void updateMouseDpiColors();

    // Lighting reports; each says whether the device took them.
    bool send0x07Cmd(const colorInfoData &record);
    bool setMouseLightConfig(int zone);
    bool setMouseLightConfigLinkChanged(int zone, const colorInfoData &record);

    // Custom per-key lighting.
    void addDefaultCustomLights(int profile);
    void loadDefaultCustomLightKeys(int profile, int entry);
    void loadCustomLightList();
    void clearCustomLightItems();
    bool showAndUploadCustomLight(const QString &index, int slot, bool blankOnly);
    bool uploadCustomKeyColors(int slot);
    void clearProfileItems();
    void loadProfileList(int refreshMode);
    // The selected mouse's picture and lighting page, built in their hosts
    // and wired; the views of an earlier mouse go first.
    void buildMouseView(const QString &hidName);

    // The selected device's profile restored into the page, the panels and
    // the link (also run by a profile switch or reset).
    void loadKeyboardSettings(int profileIndex);
    void loadMouseSettings(int profileIndex);
    // What a new or reset profile holds besides the store's defaults; call
    // right after the profile is made or emptied.
    // The device type picks the set; false when a write failed.
    bool writeProfileDefaults(int profileIndex);
    // The selected device's view: keyboard picture or mouse pages.
    void createDeviceView(const hidStructInfo &record);
    // Whether a device is selected and loaded (its profile file known).
    bool isDeviceLoaded() const;
    QString currentDevicePath() const;
    // The page form's own widget of that name, not a sub-page's namesake.
    QWidget *formWidget(const char *objectName) const;

    // --- Read by tests and by the parts that grow on the page -----------
    int mainPageIndex() const { return m_mainPageIndex; }
    int deviceType() const { return m_currentHidInfo.hidType; }
    QString macroFilePath() const { return m_macroFilePath; }
    QString proFilePath() const { return m_proFilePath; }
    CbNotice *notice() const { return m_notice; }
    ArrowWidget *explainPopup() const;
    ArrowWidget *menuPopup() const;
    keyboardPage *currentKeyboardPage() const;
    QButtonGroup *buttonGroupOf(QObject *button) const;
    lightDealMain *keyboardEngine() const { return m_lightDealMain; }
    // Decimal codes of the bound keys of the selected keyboard's profile.
    QList<QString> assignedKeyCodes() const { return m_assignedKeyCodeList; }

    // --- On-board mode ---------------------------------------------------
    // The mode in one place: the page's flag, the transport's handshake
    // flag and the link's input handling.
    void applyDeviceMode(int mode);
    int onboardMode() const { return m_onboardMode; }
    int onboardLayer() const { return m_onboardLayer; }
    int currentOnboardProfileIndex() const { return m_currentOnboardProfileIndex; }
    DOnboardPage *onboardPage() const;
    QString onboardListFilePath() const { return m_onboardProFilePath; }
    QString onboardDefaultFilePath() const { return m_onboardDefaultFilePath; }
    QString onboardFn1FilePath() const { return m_onboardFn1FilePath; }
    bool isOnboardDownloadRunning() const;
    bool isOnboardEditing() const;
    ArrowWidget *onboardConfigMenuPopup() const;
    ArrowWidget *onboardLayerMenuPopup() const;
    void addOnboardConfig(int index);
    void removeOnboardConfig(int index);
    void applyOnboardFastConfig(int layout);
    void loadOnboardLayerKeyTexts();
    void refreshOnboardLayerKeyTexts();
    mouseLightDealMain *mouseEngine() const { return m_mouseLightDealMain; }
    DMousePage *currentMousePage() const;
    DMouseLightPage *currentMouseLightPage() const;
    // The mice whose sniper button is held.
    int sniperHeldMouseCount() const { return m_sniperLinks.size(); }

signals:
    void sigHidDeviceListUpdate(QList<hidStructInfo> list);
    void sigHomePageDeviceItemClicked(QString hidPath);
    void sigMacroListHaveChangedSendToDevice(QString index, QString name);
    void sigHookKeyboardRecviveStreamToDevice(int virtualKey, int keyCode, int isDown);
    void sigHidDeviceConnectChangingSend();

public slots:
    // Device rows and selection.
    void onHomePageDeviceItemClicked(QString hidPath);
    void onDeviceItemPressed();
    void onKeyboardAlreadyLoad_Over();
    void onInitLoadHid(QString hidName, int connectFrom);

    // Link signals.
    void onCustomEventChangProfile(int profileIndex);
    void onMouseTriggeredDPIkey();
    void onMouseActivatesSniperKey(bool held);
    void onRuningOnboard0x19Cmd();
    void onRuningOnboard0x18Cmd();
    void onRuningMouse0x47Cmd();

    // Tabs, tool pages, pop-ups.
    void onCurIndexChangedMainPage(int id);
    void onCurIndexChangedOperate(int id);
    void onTipInfoDiaClose();
    void onCloseMenuWidow();

    // Key selection and the key-function pages.
    void onKeyboardClicked(int keyCode, QString keyText);
    void onMouseButtonClicked(int index);
    void onCurIndexChanged_Key(int id);
    void onClickedCancel();
    void onHookKeyboardRecviveStreamToDevice(int virtualKey, int keyCode, int isDown);
    void onSoftKeyboardClicked(int keyCode, QString keyText);
    void onChangKeyOrCombinationKeyFocusIn(bool focused);
    void onSoftKeyboardAlreadyLoad();
    void onSoftKeyboardClickedKeyReset();
    void onResetSoftKeyStatusToDefault(int keyCode);
    void onMouseInfoAlreadyLoad();
    void onShoudUpdateKeyboard(int keyCode);
    void onKeyboardAlreadyLoad(int keyCode);
    void onCustomKeyInfoSaveSuccessful();
    // A key-function page could not store its binding: the reason.
    void onCustomKeyInfoSaveFailed(QString reason);
    void onMacroListHaveChangedSendToDevice(QString macroIndex, QString macroName);

    // Lighting.
    void onCurIndexChanged_LedSelect(int tab);
    void onCurIndexChanged_Led(int id);
    void onCurIndexChanged_SideLed(int id);
    void onCurIndexChanged_ScrollAndLogoLed(int id);
    void keyBoardLedType(int effect);
    void keyBoardSideLedType(int effect);
    void mouseScrollOrLogoLedType(int effect);
    void onSendKeyboardAndSideLightSpeedAndBrightness(int keySpeedLevels, int keyBrightnessLevels,
                                                      int sideSpeedLevels, int sideBrightnessLevels);
    void onSendUpdataColorBuildUp(QList<double> stops, QList<QColor> colors);
    void onInitColorOver();
    void onSendSetKeyboardColorData();
    void onSendSetSideColorData();
    void onSendSetMouseColorData(int zone);
    void onSelectKeyboardLightType(int effect);
    void onSelectSideLightType(int effect);
    void onSelectMouseAroundLightType(int effect);
    void onSelectMouseScrollLightType(int effect);
    void onSelectMouseLogoLightType(int effect);
    void onSelectMouseLightType(int zone);
    void onLightOpenOrCloseType(int onOff);
    void onSetLightEffectSuccessful();
    void onLightCancelSettings(int zone);
    void onLightConfigHaveChanged(int kind, int zone);
    void onScrollLinkStatus(int linked);
    void onLogoLinkStatus(int linked);
    void onUpdateCustomLight();
    void onCustomLightItemMouseClicked(QString index, QString name);
    void onCustomLightUsingStatus(bool inUse);
    void onModifyCustomLightItemNameIsEmpty();
    void onModifyCustomLightItemNameSuccess();
    void onModifyCustomLightItemNameFailed();

    // Profiles.
    void onResetoreCurrentProfile();
    void onExportProfileChildList(QString index, QString name);
    void onDeleteProfile(QString index, QString name);
    void onProfileItemMouseClicked(QString index, QString name);

    // Mouse settings.
    void onMouseDpiInfoSet();
    void onResetoreMouseCurrentProfile();
    void onCurIndexChanged_MouseRateNumIndex(int index);

    // On-board mode.
    void onCurIndexChangedSelMode(int id);
    void onCurIndexChangedOn_board(int layer);
    void onOnboardProfileComboxCurrentIndexChanged(QString name);
    void onProfileCreateNew();
    void onProfileExport();
    void onProfileImport();
    void onProfileDelete();
    void onProfileModifyName();
    void onOnboardKeyboardClicked(int keyCode, QString keyText);
    void onKeyboardMouseRightKeyClicked(int keyCode, QString keyText);
    void onEmptyForKey();
    void onConfigQWERTY();
    void onConfigMac();
    void onConfigDvorak();
    void onConfigCleanLayer();

private slots:
    void onOnboardDownloadFinished(bool successful);

    // Bound by name to the form's buttons.
    void on_pushButton_MoreOperate_clicked();
    void on_pushButton_Test_clicked();
    void on_pushButton_CloseKeyCustom_clicked();
    void on_pushButton_CloseLedCustom_clicked();
    void on_pushButton_Import_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_CloseProfile_clicked();
    void on_pushButton_selectAppPath_clicked();
    void on_pushButton_OK_clicked();
    void on_pushButton_OnboardMoreOperate_clicked();
    void on_pushButton_OnboardSave_clicked();
    void on_pushButton_OnboardCancel_clicked();
    void on_pushButton_OnboardConfigMoreOperate_clicked();
    void on_pushButton_Fn1Key_clicked();
    void on_checkBox_LightSynchronize_clicked();
    void on_toolButton_RestoreFactorySettings_clicked();
    void on_toolButton_OnboardDownload_clicked();
    void on_pushButton_LightOnOff_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Id of the keys tab in the main group.
    static constexpr int kMainKeys = 0;

    void applyMouseZoneLink(int zone, bool linked);
    // The on-board tests select a keyboard without the device load.
    friend class tst_OnboardMode;
    friend class tst_OnboardModeScreenshots;

    // Every connection of the page goes by signal and slot name.
    QButtonGroup *makeGroup(const QList<QPair<QAbstractButton *, int>> &buttons, const char *slot);
    template <class Page>
    Page *addKeyFunctionPage(QWidget *host);
    void buildKeyFunctionPages();
    void setKeyFunctionProfileIndex(int index);
    void reloadKeyFunctionPages();
    void buildToolPages();
    void buildButtonGroups();
    void buildColorPanel();
    void resetList(selectionLists::List list);
    void markListRow(selectionLists::List list, int id);
    // The list of a zone's effects cleared and the effect's row marked; the
    // row's id, -1 when the list has none for it.
    int markEffectRow(selectionLists::Column column, int effect);
    void setListRowsVisible(selectionLists::List list, const QSet<int> &visibleIds);
    CustomButton *listButton(selectionLists::List list, int id) const;
    void toast(const char *text);
    bool isCurrentDeviceOpen() const;
    bool profileLoaded() const;
    void profileLabelPressed();
    // PC profiles.
    pcProfileStore profileStore() const;
    // The profile's name and program in the edit area and the label, its
    // row highlighted; the text page stores its next text anew.
    void showCurrentProfile(const QString &index);
    void toastOutcome(bool ok, const char *success, const char *failure);
    void showToolPage(int pageIndex, QAbstractButton *tab);
    // The tool tabs of the selected device's type and mode.
    void showToolTabs();

    // Key selection and the key-function pages.
    void openKeyPanel();
    // No key picked: the reset page shown without a key, so that no page
    // keeps a key of another device or profile to store a binding for.
    void clearKeySelection();
    void showKeyFunctionPage(int id, int keyCode, const keyCaptionText &caption, const QString &keyFilePath,
                             int onboardMode);
    template <class Page>
    void feedKeyFunctionPage(Page *page, int id, int keyCode, const keyCaptionText &caption,
                             const QString &keyFilePath, int onboardMode);
    // Hands a page its key; a caption in the interface language is handed
    // again by the language refresh.
    template <class Page>
    void giveKey(Page *page, int keyCode, const keyCaptionText &caption)
    {
        const auto hand = [page, keyCode, caption] { page->setCurrentKey(qMakePair(keyCode, caption.text())); };
        hand();
        m_keyCaptionRefreshers.insert(page, hand);
    }
    // The selected key's caption and every page's key caption in the new language.
    void retranslateKeyCaptions();
    void routeCapturedKey(int keyCode);
    // The binding of a key in the current PC profile; keyCode "-1" when none.
    customKeyInfo currentBinding(int keyCode) const;
    // The caption of an on-board key after its binding changed; a key that
    // is the FN1 key in the other layer loses that binding there.
    void refreshOnboardKey(int keyCode);
    void refreshMouseButtonCaption();
    void sendMouseKeyAssignment();
    // A mouse button assignment went out, or could not: the toast says so.
    void mouseKeyAssignmentFinished(int outcome);

    // Mouse settings: a link's signal acts on the mouse that sent it.
    DDeviceKeyboardLink *mouseLinkOf(QObject *sender) const;
    mouseSettingsReports::Profile mouseProfileOf(DDeviceKeyboardLink *link) const;
    void sendMouseDpiReport(DDeviceKeyboardLink *link);
    void sniperLinkDestroyed(QObject *link);
    void dropExplainPopup();

    // On-board mode.
    onboardLayerFiles onboardLayers() const;
    QString currentOnboardLayerFile() const;
    void enterOnboardMode();
    void leaveOnboardMode();
    void fillOnboardProfileBox();
    void setOnboardControlsEnabled(bool enabled);
    void resultToast(bool ok, const char *successText, const char *failureText);
    ArrowWidget *onboardMenuPopup(QPointer<ArrowWidget> &popup, int flag, int type, int height);
    void showOnboardMenuPopup(ArrowWidget *popup, QWidget *button);
    // The menus take the theme's colours and the language's texts when built.
    void dropOnboardMenuPopups();
    void giveTabsTextRoom();
    void giveLightTabsTextRoom();
    void makeKeyEffectListScrollable();
    void showCustomLightList(bool shown);
    void holdCustomLightRows();
    // The key functions only the PC can run (text, disable, shortcuts,
    // profile switch, program).
    QList<QWidget *> pcFunctionButtons() const;
    bool askResetProfile();
    void sendResetReport(bool stored);

    // Device list and link duties. One device operation runs at a time;
    // what comes during its waits is taken when it ends.
    void clearDeviceItems();
    void addDevice(const hidStructInfo &record);
    void removeDevice(const QString &path);
    DDeviceKeyboardLink *createDeviceLink(const hidStructInfo &record);
    void updateShownPage();
    void beginDeviceOperation();
    void endDeviceOperation();
    void takeDeviceList(const QList<hidStructInfo> &list);
    void buildDeviceList();
    void reconcileDeviceList();
    void showFirstDeviceNow();
    void selectDevice(const QString &path, int connectFrom);
    void markSelectedRow(DDeviceListItem *row);
    void deleteDeviceViews();
    void deleteKeyboardView();
    void deleteMouseViews();
    void relabelMouseButtons();
    void loadMouseLinkStates();
    void applyMouseZonesToEngine(const colorInfoData (&items)[3], const bool (&present)[3]);
    void setCurrentDevice(const hidStructInfo &record);
    void setEngineScreenUpdates(int type, bool enabled);
    // Every holder of the transport lets it go before its link is deleted.
    void releaseTransport(MainHidInterFace *transport);
    void giveLinkItsProfile(DDeviceKeyboardLink *link, const QString &model);
    devicePageWait::Outcome waitForLink(DDeviceKeyboardLink *link, const QString &path);
    // After a wait: the device is still attached, selected and on its link.
    bool isStillCurrent(const QString &path, const DDeviceKeyboardLink *link) const;
    QList<deviceSelection::attachedDevice> attachedDevices() const;
    bool prepareProfileFile(const QString &model, const QString &serial);
    void unloadCurrentDevice();
    void showLightOnOffStyle();
    void showModeSelector();
    void showProfileName(const QByteArray &profile);

    // Lighting.
    colorInfoData panelRecord() const;
    QByteArray profileText() const;
    QList<customLightRules::slotRow> customLightSlotRows() const;
    void applyCustomLightSlotChange(const customLightRules::slotChange &change);

    Ui_DDevicePage *ui = nullptr;
    bool m_lightPanelActive = false;
    QString m_desktopPath;
    CbNotice *m_notice = nullptr;
    QScrollArea *m_keyEffectScroll = nullptr;
    int m_lightTabRowHeight = 0; // the form's
    int m_panelColumnsWidth = 0; // the form's
    pageTextFitter *m_profileHeadingFitter = nullptr; // the profile list's heading in long languages
    int m_mainPageIndex = -1;
    bool m_lightChanged = false;
    DTipInfoDia *m_tipInfoDia = nullptr;
    QPointer<QWidget> m_maskWidget;
    QPointer<QWidget> m_mainWidget;
    // The pop-up menu or explanation panel shown last.
    QPointer<ArrowWidget> m_menuPopup;
    QPointer<keyboardPage> m_keyboardPage;
    QPointer<keyboardButCustom> m_currentKeyButton;
    QMap<int, QString> m_softKeyNameMap;
    QList<QString> m_assignedKeyCodeList;
    QElapsedTimer m_waitTimer;
    int m_currentKeyCode = -1;
    QString m_currentKeyText;
    // What m_currentKeyText (and m_currentMouseButtonText) is made of.
    keyCaptionText m_currentKeyCaption;
    // Per key-function page: hands it its key again.
    QHash<QWidget *, std::function<void()>> m_keyCaptionRefreshers;
    int m_currentMouseButton = 0;
    // File paths are kept whole; empty until a device is loaded.
    QString m_macroFilePath;
    QString m_proFilePath;
    xmlInterface *m_xmlInterface = nullptr;
    QString m_onboardProFilePath;
    QString m_onboardDefaultFilePath;
    QString m_onboardFn1FilePath;
    QBoxLayout *m_deviceItemLayout = nullptr;
    QBoxLayout *m_profileItemLayout = nullptr;
    QBoxLayout *m_customLightItemLayout = nullptr;
    QPointer<DCustomLightListItem> m_currentCustomLightItem;
    QList<DCustomLightListItem *> m_customLightItemList;
    QString m_currentDeviceSnInfo;
    int m_curCustomPageIndex = -1;
    int m_curKeyIndex = -1;
    int m_curLedIndex = -1;
    int m_curSideLedIndex = -1;
    bool m_keyCaptureFocus = false;
    int m_profileIndex = 1;
    int m_keyLightType = 2;
    int m_sideLightType = 2;
    int m_ledOpenOrClose = 0;
    int m_lightSynchronizeStatus = 0;
    int m_mouseAroundLightType = 2;
    int m_mouseScrollLightType = 2;
    int m_mouseLogoLightType = 2;
    QString m_currentProfileIndexText;
    QString m_currentProfileName;
    bool m_selectFirstProfileItem = false;
    int m_deviceIndexCounter = 0;
    bool m_devicePageInited = false;
    bool m_deviceShownOnce = false;
    DMacroCmdPage *m_macroCmdPage = nullptr;
    DResetDefaultPage *m_resetDefaultPage = nullptr;
    DChangeKeyPage *m_changeKeyPage = nullptr;
    DMouseKeyPage *m_mouseKeyPage = nullptr;
    DKeyWithTextPage *m_keyWithTextPage = nullptr;
    DKeyDisablePage *m_keyDisablePage = nullptr;
    DMultimediaPage *m_multimediaPage = nullptr;
    DKeyCombinationPage *m_keyCombinationPage = nullptr;
    DHotKeyPage *m_hotKeyPage = nullptr;
    DChangProfilePage *m_changProfilePage = nullptr;
    DKeyWithAppPage *m_keyWithAppPage = nullptr;
    DPerformancePage *m_performancePage = nullptr;
    DCustomEventListPage *m_customEventListPage = nullptr;
    DSoftKeyboardPage *m_softKeyboardPage = nullptr;
    DmouseConfigView *m_mouseConfigView = nullptr;
    DMousePerformanceView *m_mousePerformanceView = nullptr;
    QPointer<DMousePage> m_mousePage;
    QPointer<DMouseLightPage> m_mouseLightPage;
    ColorWheelTool *m_colorWheelTool = nullptr;
    lightDealMain *m_lightDealMain = nullptr;
    QList<DDeviceListItem *> m_deviceItemList;
    DDeviceListItem *m_currentDeviceItem = nullptr;
    QList<hidStructInfo> m_hidInfoList;
    QMap<QString, DDeviceListItem *> m_hidPathItemMap;
    QMap<QString, hidStructInfo> m_hidPathInfoMap;
    bool m_hidListLoaded = false;
    QStringList m_hidPathList;
    QStringList m_newHidPathList;
    QPointer<profileListItem> m_currentProfileItem;
    QList<profileListItem *> m_profileItemList;
    bool m_mouseSettingsLoaded = false;
    QPointer<MainHidInterFace> m_currentHidInterface;
    QPointer<DDeviceKeyboardLink> m_currentDeviceLink;
    QColor m_deviceAreaColor;
    QMap<QString, DDeviceKeyboardLink *> m_hidPathLinkMap;
    // Zeroed; hidType -1 while no device is selected.
    hidStructInfo m_currentHidInfo;
    int m_currentMouseButtonMask = 1;
    QString m_currentMouseButtonText;
    mouseLightDealMain *m_mouseLightDealMain = nullptr;
    // Whether the device took the reports of the last confirmed effect.
    bool m_lightSendOk = false;
    bool m_scrollLinked = false;
    bool m_logoLinked = false;
    int m_mouseLightZone = 0;
    // Mice whose sniper button is held; a mouse leaves the set with its link.
    QSet<QObject *> m_sniperLinks;
    // Sends the mouse button assignments, one after the other.
    mouseKeySender *m_mouseKeySender = nullptr;
    bool m_supportOnboard = true;
    int m_onboardMode = 0;
    int m_onboardLayer = 0;
    bool m_fastConfigNotice = false;
    QPointer<DOnboardPage> m_onboardPage;
    QMap<QString, int> m_onboardProfileMap;
    int m_currentOnboardProfileIndex = 1;
    QString m_currentOnboardProfileName;
    QPointer<QMenu> m_onboardKeyMenu;
    QPointer<QAction> m_onboardEmptyAction;
    int m_onboardKeyCode = -1;
    QString m_onboardKeyText;
    int m_onboardMacroSlot = -1;
    bool m_onboard0x19Ack = true;
    customKeyInfo m_onboardKeyInfo;
    bool m_onboardDownloadOk = true;
    unsigned char m_lastOnboardPacket[64] = {};
    deviceOperationQueue m_operations;
    // Which transport each engine was given last (the pages only ever hold
    // the selected device's).
    QPointer<MainHidInterFace> m_keyboardEngineHid;
    QPointer<MainHidInterFace> m_mouseEngineHid;
    QPointer<onboardDownloadSender> m_onboardSender;
    // One pop-up per menu button, built at its first click.
    QPointer<ArrowWidget> m_onboardConfigMenuPopup;
    QPointer<ArrowWidget> m_onboardLayerMenuPopup;
    bool m_upgradeSerialPending = false;
    QString m_upgradeHidPath;
    QString m_upgradeSnInfo;

    // The explanation pop-up: built at the first hover, shown again at every
    // later one, rebuilt after a theme or language change, deleted with the
    // page.
    QPointer<ArrowWidget> m_explainPopup;
    QButtonGroup *m_mainPageGroup = nullptr;
    // The strip's pictures, darkened where a light theme leaves them faint.
    QList<faintPictureTint *> m_stripTints;
    QButtonGroup *m_keyFunctionGroup = nullptr;
    QButtonGroup *m_ledSelectGroup = nullptr;
    QButtonGroup *m_ledGroup = nullptr;
    QButtonGroup *m_sideLedGroup = nullptr;
    QButtonGroup *m_scrollAndLogoGroup = nullptr;
    QButtonGroup *m_operateGroup = nullptr;
    QButtonGroup *m_selModeGroup = nullptr;
    QButtonGroup *m_onboardLayerGroup = nullptr;
};
