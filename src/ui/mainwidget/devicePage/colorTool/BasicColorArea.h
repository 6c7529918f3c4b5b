#pragma once

#include "ArrowWidget.h"
#include "BasicColorItem.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// The swatch palette: rows of preset colours and a row of user slots, each
// showing an add button or one user swatch. The palette only shows swatches
// and reports clicks; its host decides a new swatch's colour and stores the
// user colours. Type 0 (the DPI view) has ten presets and five slots, type 1
// (the lighting panel) nine presets and nine slots.
class BasicColorArea : public QWidget
{
    Q_OBJECT

public:
    explicit BasicColorArea(QWidget *parent = nullptr);
    ~BasicColorArea() override;

    // Builds the palette of the type; called once, after construction.
    void setAreaType(int type);
    int areaType() const { return m_areaType; }
    int userSlotCount() const { return m_addButtons.size(); }

    // Shows a user swatch in a slot that shows its add button; a slot the
    // type lacks or one already holding a swatch is left alone (logged).
    void addCustomColor(int slot, int red, int green, int blue);
    void clearCustomColors();

    // What the add row shows at a position: add button or user swatch.
    QWidget *addRowWidgetAt(int position) const;
    ArrowWidget *deletePopup() const { return m_deletePopup; }

signals:
    void colorItemSelcSignal(const QColor &color);
    void sigAddColor(int slot);
    void sigDeleteColor(int slot);

private slots:
    void onAddColor01();
    void onAddColor02();
    void onAddColor03();
    void onAddColor04();
    void onAddColor05();
    void onAddColor06();
    void onAddColor07();
    void onAddColor08();
    void onAddColor09();
    void onBasicColorItemMouseEnter();
    void onBasicColorItemMouseLeave();
    void onBasicColorItemMouseRightButtonPress();
    void onDeleteBasicColor();

private:
    BasicColorItem *userSwatch(int slot) const;
    void showAddButton(int slot);
    void removeUserSwatch(BasicColorItem *swatch);
    void closeDeletePopup();

    int m_areaType = 1;
    bool m_built = false;
    QVBoxLayout *m_mainLayout;
    QList<BasicColorItem *> m_presets;
    QList<QPushButton *> m_addButtons;
    QHBoxLayout *m_addRow = nullptr;
    QPointer<ArrowWidget> m_deletePopup;        // parentless: deleted here
    QPointer<BasicColorItem> m_currentSwatch;   // may go with a reload
    QList<BasicColorItem *> m_userSwatches;
};
