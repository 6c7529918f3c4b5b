#pragma once

#include <QMap>
#include <QString>
#include <QWidget>

class FlowLayout;
class xmlInterface;

namespace Ui {
class DCustomEventWidget;
}

// The panel of the customised-keys list: one row per bound key of a profile,
// in file order, laid out like words in a paragraph. Filled once; the list
// page replaces the panel to show the list again.
class DCustomEventWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRowWidth = 206;
    static constexpr int kRowHeight = 32;

    explicit DCustomEventWidget(QWidget *parent = nullptr);
    ~DCustomEventWidget() override;

    void loadCustomEventList(xmlInterface *xml, const char *path, int profileIndex, QMap<int, QString> keyNames);

    // New key names for the panel and its rows; the rows' texts follow on
    // their next update.
    void setKeyNames(const QMap<int, QString> &keyNames);

    FlowLayout *rowLayout() const { return m_layout; }

signals:
    void sigCustomEventItemMouseClicked(int keyCode, QString keyCaption);
    void sigCustomEventListIsEmpty();

private:
    Ui::DCustomEventWidget *ui;
    FlowLayout *m_layout;
    QMap<int, QString> m_keyNames;
    QString m_profileName;
};
