// Reservoir isolators, transfer barriers, accessories and repair kits in the desktop application, as a
// user chooses them through the step panel: each to a complete part number, saved, a new selection,
// the file opened again; and each dialog's refusals with their messages. (Their lists, panel texts,
// reports and XML are the core's tests; the desktop's way to the outputs is PistonSelectionTest's.)
#include "DesktopSession.h"
#include "controls/ComboUnit.h"
#include "controls/RefillComboBox.h"
#include "models/ChooseSeals.h"
#include "products/AccessoryChooseAccumulator.h"
#include "products/AccessoryType.h"
#include "products/Ovrisol1SizeSelection.h"
#include "products/Ovrisol2ARequiredCapacities.h"
#include "products/Ovrisol2BFluidLevel.h"
#include "products/OvrisolChooseModel.h"
#include "products/PictureBox.h"
#include "products/TesmaraButton.h"
#include "products/RepairKit.h"
#include "products/RepairKitSelect.h"
#include "products/TransferBarrier.h"
#include "selection/OvrisolBase.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace
{
const std::string kSelectItem = "Please select an item from the list.";
const QString kMethod = QStringLiteral("Ovrisol Size Selection Method");
const QString kCapacities = QStringLiteral("Required Cylinder and Accumulator Capacities");
const QString kLevels = QStringLiteral("Required Fluid Levels & dimensions of the Reservoir");
const QString kOvrisolModel = QStringLiteral("Choose Ovrisol Model");

// Presses OK and tells whether the dialog stayed open.
bool StaysOpen(QDialog& d)
{
    FindButton(d, QStringLiteral("OK"))->click();
    return d.result() == 0;
}

// Types a value into an entry and picks its unit.
void Fill(COvrisolCapacityDialog& d, const char* pszField, const QString& strValue, const char* pszUnit)
{
    Enter(d.Entry(pszField), strValue);
    QVERIFY(d.UnitList(pszField)->SelectUnit(pszUnit));
}

// Every measure of the fluid level dialog in inches.
void InInches(COvrisol2BFluidLevel& d)
{
    for (const char* pszField : {"cudHighFluidLevel", "cudLowFluidLevel", "cudReservoirWidth", "cudReservoirLength"})
        QVERIFY(d.UnitList(pszField)->SelectUnit("IN"));
}

// The method dialog: the method's button, then OK.
CChainScript::FnStep ChooseMethod(int nMethod)
{
    return [nMethod](QDialog& d)
    {
        static_cast<COvrisol1SizeSelection&>(d).MethodButton(nMethod)->setChecked(true);
        return PressOk(d);
    };
}

// Picks the item of a filter list by its text; false when the list does not offer it.
bool Pick(QComboBox* pBox, const QString& strText)
{
    const int nIndex = pBox->findText(strText);
    pBox->setCurrentIndex(nIndex);
    return nIndex >= 0;
}
} // namespace

class COtherProductsSelectionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CDesktopSession> m_pSession;

    CAccumulatorObject& Product() { return m_pSession->Product(); }
    std::string PartNumber() { return Product().GetPartNumberDisplayText(); }
    QStringList Panel() { return m_pSession->PanelTexts(); }
    QList<bool> Enabled()
    {
        QList<bool> states;
        for (int i = 0; i < 4; ++i)
            states << m_pSession->View().Button(i)->isEnabled();
        return states;
    }

    // Chooses the product and checks that only its own steps are open.
    void Choose(CChainScript& script, const QString& strType, const QList<bool>& enabled)
    {
        script["Choose Product"] = [strType](QDialog& d) { return ChooseProductType(d, strType); };
        m_pSession->Steps({kProduct});
        QCOMPARE(Panel()[0], strType);
        QCOMPARE(Enabled(), enabled);
    }

    // Saves, starts a new selection, opens the file: the same panel and part number, the product's id.
    void ExpectSavedAndOpened(const QString& strFile, int nProdId)
    {
        const QStringList panel = Panel();
        const std::string strPartNumber = PartNumber();
        m_pSession->Files().m_strPath = m_pSession->FilePath(strFile);
        m_pSession->App().OnCommand(cmd::FileSave);
        m_pSession->App().OnCommand(cmd::FileNew);
        QVERIFY(Panel()[0].isEmpty());
        QVERIFY(PartNumber().empty());
        m_pSession->App().OnCommand(cmd::FileOpen);
        QCOMPARE(Product().ProdId(), nProdId);
        QCOMPARE(Panel(), panel);
        QCOMPARE(PartNumber(), strPartNumber);
        QCOMPARE(m_pSession->View().PartNumberText(), "Part Number:  " + QString::fromStdString(strPartNumber));
    }

private slots:
    void init()
    {
        m_pSession = std::make_unique<CDesktopSession>();
        QVERIFY(m_pSession->Start());
    }
    void cleanup() { m_pSession.reset(); }

    void ReservoirIsolatorByItsCapacitiesWithTheSealAssistant()
    {
        CPromptCapture prompt;
        CChainScript script;
        Choose(script, "Reservoir Isolators", {true, true, false, false});

        script[kMethod] = ChooseMethod(0);
        script[kCapacities] = [](QDialog& d)
        {
            auto& c = static_cast<COvrisol2ARequiredCapacities&>(d);
            Fill(c, "cudCylinderCapacity", "10", "L");
            Fill(c, "cudAccumulatorCapacity", "5", "L");
            return PressOk(d);
        };
        m_pSession->Steps({kApplication});
        QCOMPARE(Panel()[1], QStringLiteral("Required Volume: 18 L"));
        QCOMPARE(Enabled(), (QList<bool>{true, true, true, false}));
        QVERIFY(PartNumber().empty());

        // 18 L is 4.76 gal: the 5, 10 and 15 gallon isolators, each in its three shells.
        int nSizes = 0;
        script[kOvrisolModel] = [&](QDialog& d)
        {
            auto& m = static_cast<COvrisolChooseModel&>(d);
            nSizes = m.SizeList()->topLevelItemCount();
            if (nSizes != 9 || m.SizeList()->topLevelItem(5)->text(0) != "10 gal (US)")
                return dlg::Cancel;
            m.SizeList()->setCurrentItem(m.SizeList()->topLevelItem(5));
            m.OnSelectionAssistance();
            return PressOk(d);
        };
        script["Choose Seals"] = [](QDialog& d)
        {
            auto& s = static_cast<CChooseSeals&>(d);
            const auto found = s.SealClassList()->findItems("Butyl (IIR)", Qt::MatchExactly);
            if (found.size() != 1)
                return dlg::Cancel;
            s.SealClassList()->setCurrentItem(found.front());
            s.OnOk();
            return d.result();
        };
        m_pSession->Steps({kModel});
        QCOMPARE(nSizes, 9);
        QVERIFY(Product().IsSelectionComplete());
        QCOMPARE(PartNumber(), std::string("OV-10-X-B-1F"));
        QCOMPARE(script.Titles().back(), QStringLiteral("Selection Complete"));
        QCOMPARE(prompt->Texts(), std::vector<std::string>());

        ExpectSavedAndOpened("isolator.Ac3", prod::ReservoirIsolator);
        // Reopened, the model step shows the size, shell and bladder chosen.
        QString strShown;
        script[kOvrisolModel] = [&](QDialog& d)
        {
            auto& m = static_cast<COvrisolChooseModel&>(d);
            strShown = m.SizeList()->currentItem()->text(0) + " " + m.SizeList()->currentItem()->text(1) + " " +
                       m.BladderBox()->currentText();
            return PressOk(d); // nothing changed: the chain ends without a change
        };
        m_pSession->Steps({kModel});
        QCOMPARE(strShown, QStringLiteral("10 gal (US) Stainless Steel Shell (316) Butyl (IIR)"));
        QVERIFY(!Product().IsDirty());

        // Sized again by the fluid levels: the user is asked, and the model goes.
        script[kMethod] = ChooseMethod(1);
        script[kLevels] = [](QDialog& d)
        {
            auto& l = static_cast<COvrisol2BFluidLevel&>(d);
            InInches(l);
            Enter(l.Entry("cudHighFluidLevel"), "12");
            Enter(l.Entry("cudLowFluidLevel"), "2");
            Enter(l.Entry("cudReservoirWidth"), "20");
            Enter(l.Entry("cudReservoirLength"), "30");
            return PressOk(d);
        };
        m_pSession->Steps({kApplication});
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt->Texts().front()).startsWith("You are changing a previous selection"));
        QCOMPARE(Panel()[1], QString::fromUtf8("Required Volume: 6000 in\u00B3"));
        QVERIFY(Panel()[2].isEmpty());
        QVERIFY(PartNumber().empty());
        QVERIFY(!Product().IsSelectionComplete());
        // The capacities typed for the other method are gone, so they cannot reach the size query.
        QCOMPARE(Product().SelectionAs<COvrisolBase>()->cudCylinderCapacity.Value(), 0.0);
    }

    void ReservoirIsolatorDialogsRefuseWhatCannotBeSized()
    {
        CPromptCapture prompt;
        CChainScript script;
        Choose(script, "Reservoir Isolators", {true, true, false, false});
        std::vector<std::string> refusals;
        bool bFocused = true;
        const auto refused = [&](QDialog& d, const char* pszFocus)
        {
            prompt->Clear();
            const bool bOpen = StaysOpen(d);
            refusals.push_back(prompt->Texts().empty() ? std::string("no message") : prompt->Texts().back());
            if (pszFocus)
            {
                CEditNumeric* pEdit = static_cast<COvrisolCapacityDialog&>(d).Entry(pszFocus);
                bFocused = bFocused && bOpen && FocusedAndSelected(d, pEdit);
            }
            return bOpen;
        };
        script[kMethod] = ChooseMethod(0);
        script[kCapacities] = [&](QDialog& d)
        {
            refused(d, "cudCylinderCapacity"); // nothing entered
            return dlg::Cancel;
        };
        m_pSession->Steps({kApplication});
        // Here the dialog's own part: an empty low level is missing, not 0, and the focus goes to the
        // field the check names (none for the total).
        script[kMethod] = ChooseMethod(1);
        script[kLevels] = [&](QDialog& d)
        {
            auto& l = static_cast<COvrisol2BFluidLevel&>(d);
            InInches(l);
            Enter(l.Entry("cudHighFluidLevel"), "12");
            refused(d, "cudLowFluidLevel");
            Enter(l.Entry("cudLowFluidLevel"), "12");
            refused(d, "cudLowFluidLevel");
            Enter(l.Entry("cudLowFluidLevel"), "0");
            Enter(l.Entry("cudReservoirWidth"), "48");
            Enter(l.Entry("cudReservoirLength"), "48"); // 27648 in³, three times the largest isolator
            refused(d, nullptr);
            return dlg::Cancel;
        };
        m_pSession->Steps({kApplication});
        QVERIFY(bFocused);
        // Each refused with its message (the texts are the core's checks'); the empty low level as missing.
        QCOMPARE(refusals.size(), std::size_t(4));
        QVERIFY(std::count(refusals.begin(), refusals.end(), "no message") == 0);
        QCOMPARE(refusals[1], std::string("Please enter all data."));
        QVERIFY(Panel()[1].isEmpty());

        // A size must be chosen before OK.
        script[kMethod] = ChooseMethod(0);
        script[kCapacities] = [](QDialog& d)
        {
            Fill(static_cast<COvrisol2ARequiredCapacities&>(d), "cudCylinderCapacity", "10", "L");
            return PressOk(d);
        };
        m_pSession->Steps({kApplication});
        script[kOvrisolModel] = [&](QDialog& d)
        {
            auto& m = static_cast<COvrisolChooseModel&>(d);
            m.SizeList()->clearSelection();
            refused(d, nullptr);
            return dlg::Cancel;
        };
        m_pSession->Steps({kModel});
        QCOMPARE(refusals.back(), kSelectItem);
        QVERIFY(!Product().IsSelectionComplete());
    }

    void TransferBarrierFromTheFilteredList()
    {
        CPromptCapture prompt;
        CChainScript script;
        Choose(script, "Transfer Barriers", {true, false, true, false});
        std::vector<std::string> refusals;
        script["Choose Transfer Barrier Accumulator"] = [&](QDialog& d)
        {
            auto& t = static_cast<CTransferBarrier&>(d);
            if (!Pick(t.FilterBox(ETransferFilter::Pressure), "5000 psi"))
                return dlg::Cancel;
            // Sea water service is not offered at 5000 psi: an empty list selects nothing.
            if (!Pick(t.FilterBox(ETransferFilter::Service), "Oil to Sea Water, Nickel-Plated Shell") ||
                t.Grid()->rowCount() != 0 || !StaysOpen(d))
                return dlg::Cancel;
            refusals = prompt->Texts();
            Pick(t.FilterBox(ETransferFilter::Service), "View All"); // the rows are TransferBarrierList's
            t.Grid()->selectRow(3);
            return PressOk(d);
        };
        m_pSession->Steps({kModel});
        QCOMPARE(refusals, std::vector<std::string>{kSelectItem});
        QVERIFY(Product().IsSelectionComplete());
        QCOMPARE(PartNumber(), std::string("TB51-2.5G-NSSP-O"));
        ExpectSavedAndOpened("barrier.Ac3", prod::TransferBarrier);
        // Reopened, the list shows every barrier again with the one chosen selected.
        QString strRow;
        script["Choose Transfer Barrier Accumulator"] = [&](QDialog& d)
        {
            auto& t = static_cast<CTransferBarrier&>(d);
            const int nRow = t.ChosenRow();
            strRow = nRow < 0 ? QString() : t.Grid()->item(nRow, 0)->text() + " " + t.Grid()->item(nRow, 1)->text();
            return dlg::Cancel;
        };
        m_pSession->Steps({kModel});
        QCOMPARE(strRow, QStringLiteral("2.5 gal (US) 5000 psi"));
    }

    void AccessoryForAPistonSize()
    {
        CPromptCapture prompt;
        CChainScript script;
        Choose(script, "Accessories", {true, false, true, false});
        std::vector<std::string> refusals;
        QString strDescription;
        bool bPicture = false;
        script["Accessories - Choose Accumulator Type"] = [&](QDialog& d)
        {
            auto& a = static_cast<CAccessoryChooseAccumulator&>(d);
            const auto types = a.TypeList()->findItems("Piston", Qt::MatchExactly);
            if (types.size() != 1)
                return dlg::Cancel;
            a.TypeList()->setCurrentItem(types.front());
            // The bore column shows for pistons; no size chosen is refused.
            if (a.SizeGrid()->isColumnHidden(1))
                return dlg::Cancel;
            a.SizeGrid()->clearSelection();
            StaysOpen(d);
            refusals = prompt->Texts();
            for (int r = 0; r < a.SizeGrid()->rowCount(); ++r)
                if (a.SizeGrid()->item(r, 0)->text() == QString::fromUtf8("150 in\u00B3") &&
                    a.SizeGrid()->item(r, 1)->text() == "4 in")
                    a.SizeGrid()->selectRow(r);
            return PressOk(d);
        };
        script["Choose Accessory Type"] = [&](QDialog& d)
        {
            auto& t = static_cast<CAccessoryType&>(d);
            t.AccessoryList()->clearSelection();
            StaysOpen(d);
            refusals.push_back(prompt->Texts().back());
            const auto found =
                t.AccessoryList()->findItems("Safety and Shut-Off Block, DN20 (3/4 in)", Qt::MatchExactly);
            if (found.size() != 1)
                return dlg::Cancel;
            t.AccessoryList()->setCurrentItem(found.front());
            strDescription = t.Description()->toPlainText();
            bPicture = !t.Picture()->Image().isNull();
            return PressOk(d);
        };
        m_pSession->Steps({kModel});
        QCOMPARE(refusals, (std::vector<std::string>{kSelectItem, kSelectItem}));
        QVERIFY(strDescription.startsWith("Shut-off valve, pressure relief valve set to order"));
        QVERIFY(bPicture);
        QVERIFY(Product().IsSelectionComplete());
        QCOMPARE(PartNumber(), std::string("SB-20"));
        ExpectSavedAndOpened("accessory.Ac3", prod::Accessories);
        // Reopened, the type, size and accessory chosen are selected again.
        QString strShown;
        script["Accessories - Choose Accumulator Type"] = [&](QDialog& d)
        {
            auto& a = static_cast<CAccessoryChooseAccumulator&>(d);
            const int nRow = a.SizeGrid()->currentRow();
            strShown = a.TypeList()->currentItem()->text() + " " + a.SizeGrid()->item(nRow, 0)->text() + " " +
                       a.SizeGrid()->item(nRow, 1)->text();
            return PressOk(d);
        };
        script["Choose Accessory Type"] = [&](QDialog& d)
        {
            strShown += " " + static_cast<CAccessoryType&>(d).AccessoryList()->currentItem()->text();
            return dlg::Cancel;
        };
        m_pSession->Steps({kModel});
        QCOMPARE(strShown, QString::fromUtf8("Piston 150 in\u00B3 4 in Safety and Shut-Off Block, DN20 (3/4 in)"));
        QCOMPARE(PartNumber(), std::string("SB-20"));
    }

    void RepairKitNarrowedByItsFilters()
    {
        CPromptCapture prompt;
        CChainScript script;
        Choose(script, "Repair Kits", {true, false, true, false});
        std::vector<std::string> refusals;
        script["Repair Kit Selection"] = [&](QDialog& d)
        {
            auto& k = static_cast<CRepairKit&>(d);
            k.KitTypeList()->clearSelection(); // no kind chosen
            if (StaysOpen(d))
                refusals = prompt->Texts();
            const auto found = k.KitTypeList()->findItems("Piston Seal Kits", Qt::MatchExactly);
            if (found.size() != 1)
                return dlg::Cancel;
            k.KitTypeList()->setCurrentItem(found.front());
            return PressOk(d);
        };
        script["Select Repair Kit"] = [&](QDialog& d)
        {
            auto& s = static_cast<CRepairKitSelect&>(d);
            if (!Pick(s.FilterBox(EKitFilter::Seal), "Fluorocarbon (FKM)"))
                return dlg::Cancel;
            // The size list, opened now, is narrowed by the seal chosen (the counts: RepairKitList).
            s.FilterBox(EKitFilter::Size)->showPopup();
            s.FilterBox(EKitFilter::Size)->hidePopup();
            if (!Pick(s.FilterBox(EKitFilter::Size), "4 in Bore"))
                return dlg::Cancel;
            s.KitList()->clearSelection();
            prompt->Clear();
            if (StaysOpen(d) && !prompt->Texts().empty())
                refusals.push_back(prompt->Texts().back());
            s.KitList()->setCurrentItem(s.KitList()->topLevelItem(0));
            return PressOk(d);
        };
        m_pSession->Steps({kModel});
        QCOMPARE(refusals, (std::vector<std::string>{kSelectItem, kSelectItem}));
        QVERIFY(Product().IsSelectionComplete());
        QCOMPARE(PartNumber(), std::string("RK-PA4-V"));
        QCOMPARE(Product().GetPartDescription(), std::string("Piston Seal Kits"));
        ExpectSavedAndOpened("kit.Ac3", prod::RepairKit);
        // Reopened, the kind is selected; the kit list starts unfiltered with the kit chosen selected.
        QString strShown;
        script["Repair Kit Selection"] = [&](QDialog& d)
        {
            strShown = static_cast<CRepairKit&>(d).KitTypeList()->currentItem()->text();
            return PressOk(d);
        };
        script["Select Repair Kit"] = [&](QDialog& d)
        {
            auto& s = static_cast<CRepairKitSelect&>(d);
            strShown += " " + QString::number(s.KitList()->topLevelItemCount()) + " " +
                        s.KitList()->currentItem()->text(1);
            // A double click on a kit accepts it like OK.
            QTreeWidgetItem* pKit = s.KitList()->currentItem();
            emit s.KitList()->itemDoubleClicked(pKit, 0);
            return d.result();
        };
        m_pSession->Steps({kModel});
        QCOMPARE(strShown, QStringLiteral("Piston Seal Kits 112 RK-PA4-V"));
        QVERIFY(!Product().IsDirty()); // the kit held: nothing changed
    }
};

QTEST_MAIN(COtherProductsSelectionTest)
#include "OtherProductsSelectionTest.moc"
