// "Select Gas Bottle": a gas bottle chosen directly by type and pressure, written into the
// selection as the chosen model.
#pragma once

#include "models/GasBottleSearch.h"

#include <QDialog>

#include <string>
#include <vector>

class CAccumulatorData;
class CAccumulatorObject;
class QButtonGroup;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QTreeWidget;

class CGasBottleSelect : public QDialog
{
    Q_OBJECT

public:
    // The working copy keeps the earlier choice; the stored copy is the step's result.
    CGasBottleSelect(CAccumulatorObject& product, CAccumulatorData& working, CAccumulatorData& stored,
                     QWidget* pParent = nullptr);

    QRadioButton* TypeButton(int nType) const;
    QListWidget* PressureList() const { return m_pPressures; }
    QTreeWidget* BottleList() const { return m_pBottles; }
    QPlainTextEdit* AdditionalInformation() const { return m_pInfo; }

    // OK: refused without a pressure or a bottle; the bottle already held ends with 2100;
    // otherwise the change is confirmed (Cancel stays, No ends as Cancel) and ends with OK.
    void OnOk();
    // Escape and the close box end with Cancel (2), as the product object expects.
    void reject() override;

private:
    int CheckedType() const;
    // The rows the user chose, or -1: a list that merely has the focus has chosen nothing.
    int ChosenPressure() const;
    int ChosenBottle() const;
    void FillPressures();
    void FillBottles();
    void OnBottleChanged();
    void OnReference();
    void OnHelp();

    CAccumulatorObject& m_product;
    CAccumulatorData& m_working;
    CAccumulatorData& m_stored;
    std::vector<CUnitDouble> m_pressures;
    std::vector<SGbList> m_bottles;
    std::string m_strOversize; // "Y" or "N" of the last high-flow check

    QButtonGroup* m_pTypes;
    QListWidget* m_pPressures;
    QTreeWidget* m_pBottles;
    QPlainTextEdit* m_pInfo;
};
