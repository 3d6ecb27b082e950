// libFuzzer targets of the order pad's readers: the transfer document (a compound file from the
// inbox) and the saved order (Order.json). Built twice, with ORDERPAD_FUZZ_ORDER_FILE choosing
// the second.
#include "FuzzSupport.h"
#include "outputs/OrderPad.h"
#include "outputs/OrderPadOrder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace
{
const SOrderLineItem kPiston{"PA31-4-150-VS-G", "1", "Accumulator Division", "Piston, 150 in\xC2\xB3", "", "Line 3"};
const SOrderLineItem kBottles{"GB3-20G-S1", "2", "Accumulator Division", "Gas Bottle, 20 gal", "-X", "\xE2\x82\xAC 5"};

// Seeds: documents and orders as the program writes them, so that the fuzzer starts from
// files that are read whole and mutates every part of them.
void WriteSeeds(const std::filesystem::path& folder)
{
#ifdef ORDERPAD_FUZZ_ORDER_FILE
    const std::string strOne = OrderText({{kPiston, "Order-1.opd"}});
    const std::string strTwo = OrderText({{kPiston, "Order-1.opd"}, {kBottles, "Order-2.opd"}});
    WriteSeed(folder / "one.json", strOne.data(), strOne.size());
    WriteSeed(folder / "two.json", strTwo.data(), strTwo.size());
#else
    const std::vector<std::uint8_t> selection = {0, 0, 0, 0, 0, 1, 1, 3, 0, 0, 0, 0xFF};
    for (int n = 1; n <= 2; ++n)
    {
        COrderPadDocumentWriter writer;
        writer.AddSelectionObject(selection);
        writer.AddLineItem("Part*0", kPiston);
        if (n == 2)
            writer.AddLineItem("Part*1", kBottles);
        const auto strDocument = writer.Finish(kOrderPadSenderName);
        WriteSeed(folder / ("document" + std::to_string(n) + ".opd"), strDocument->data(), strDocument->size());
    }
#endif
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    WriteSeedsIfAsked(WriteSeeds);
    return 0;
}

// The contract: any bytes end in a reading or a refusal that says why. What is read is what the
// order pad keeps: it writes back and reads again to the same lines.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    KeepQuiet();
    const std::string strBytes(reinterpret_cast<const char*>(pData), nSize);
    std::string strError;
#ifdef ORDERPAD_FUZZ_ORDER_FILE
    std::vector<SOrderLine> lines;
    if (!ParseOrderText(strBytes, lines, strError))
    {
        if (strError.empty() || !lines.empty())
            __builtin_trap();
        return 0;
    }
    std::vector<SOrderLine> again;
    if (!ParseOrderText(OrderText(lines), again, strError) || again != lines)
        __builtin_trap();
#else
    const auto document = ReadOrderPadDocument(strBytes, strError);
    if (!document)
    {
        if (strError.empty())
            __builtin_trap();
        return 0;
    }
    if (document->items.empty())
        __builtin_trap();
    COrderPadDocumentWriter writer;
    if (!document->selection.empty() && !writer.AddSelectionObject(document->selection))
        __builtin_trap();
    for (std::size_t n = 0; n < document->items.size(); ++n)
        if (!OrderLineItemProblem(document->items[n], "Part*" + std::to_string(n)).empty() ||
            !writer.AddLineItem("Part*" + std::to_string(n), document->items[n]))
            __builtin_trap();
    const auto strWritten = writer.Finish(document->strSender);
    const auto again = strWritten ? ReadOrderPadDocument(*strWritten, strError) : std::nullopt;
    if (!again || again->items != document->items || again->selection != document->selection)
        __builtin_trap();
#endif
    return 0;
}
