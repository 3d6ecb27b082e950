// "Choose Seals": each seal class of the accumulator type with what it seals, its temperature
// ranges, and the way to the fluid compatibility search.
#pragma once

#include "models/SealSearch.h"

#include <QDialog>

#include <optional>
#include <string>

class CAccumulatorObject;
class QLabel;
class QListWidget;
class QPlainTextEdit;

class CChooseSeals : public QDialog
{
    Q_OBJECT

public:
    // The seal code is preselected; a former search fills in the fluid compatibility search.
    CChooseSeals(CAccumulatorObject& product, const std::string& strAccumType, const std::string& strSealCode,
                 const std::optional<SFluidSearchResult>& former, QWidget* pParent = nullptr);

    QListWidget* SealClassList() const { return m_pList; }
    QPlainTextEdit* TypicalFluids() const { return m_pTypical; }
    QPlainTextEdit* AdditionalInformation() const { return m_pInfo; }
    QLabel* FirstRange() const { return m_pRange1; }
    QLabel* SecondRange() const { return m_pRange2; }

    // "Additional Fluid Compatibility": on OK its seal is selected here and its search kept.
    void OnFluidCompatibility();
    void OnOk();
    void reject() override;

    // After OK: the seal, what it seals, and the search when it chose this seal.
    const SSealAssistance& Assistance() const { return m_assistance; }

private:
    void ShowSeal(int nRow);
    void OnReference();
    void OnHelp();

    CAccumulatorObject& m_product;
    std::string m_strAccumType;
    SDetailList m_seals;
    SSealFluidInfo m_info;
    std::optional<SFluidSearchResult> m_search;
    SSealAssistance m_assistance;

    QListWidget* m_pList;
    QPlainTextEdit* m_pTypical;
    QPlainTextEdit* m_pInfo;
    QLabel* m_pRange1;
    QLabel* m_pRange2;
};
