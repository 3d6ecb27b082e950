// "Choose Product": the catalogue's product types with description and picture; records the choice.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class CAccumulatorObject;
class CPictureBox;
class QLabel;
class QListWidget;
class QPushButton;

class CChooseProduct : public QDialog
{
    Q_OBJECT

public:
    // One row of "qProduct".
    struct SProductRow
    {
        std::string strProdType;
        int nProdId = 0;
        std::string strDescription;
        std::string strImage;
    };

    explicit CChooseProduct(CAccumulatorObject& product, QWidget* pParent = nullptr);

    const std::vector<SProductRow>& Rows() const { return m_rows; }
    QListWidget* ProductList() const { return m_pList; }
    CPictureBox* Picture() const { return m_pPicture; }
    QLabel* Description() const { return m_pDescription; }

    // OK: 2100 for the product already chosen; else the change is confirmed (Cancel stays,
    // No ends as Cancel) and the product recorded, unless the product object refuses it.
    void OnOk();
    // Escape and the close box end with Cancel (2), as the product object expects.
    void reject() override;

private:
    void LoadRows();
    void ShowProduct(int nRow);
    void OnReference();
    void OnHelp();

    CAccumulatorObject& m_product;
    std::vector<SProductRow> m_rows;
    QListWidget* m_pList;
    QLabel* m_pDescription;
    CPictureBox* m_pPicture;
    QPushButton* m_pOk;
    bool m_bPictureErrorShown = false;
};
