// Reading and writing the last operating temperature range.
#include "app/OperatingRangeSetting.h"

#include "platform/Settings.h"
#include "units/UnitTable.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace
{
std::optional<double> Number(const std::optional<std::string>& text)
{
    if (!text || text->empty())
        return std::nullopt;
    double d = 0.0;
    const auto [ptr, ec] = std::from_chars(text->data(), text->data() + text->size(), d);
    if (ec != std::errc() || ptr != text->data() + text->size() || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::string Text(double d)
{
    char szText[32];
    const auto result = std::to_chars(szText, szText + sizeof szText, d);
    return std::string(szText, result.ptr);
}
} // namespace

SOperatingTemperatures ReadLastOperatingRange(const ISettings& settings)
{
    SOperatingTemperatures range;
    const std::string strUnit = settings.ReadString(settingskey::OperatingTempUnit).value_or("");
    const std::optional<double> minimum = Number(settings.ReadString(settingskey::OperatingTempMin));
    const std::optional<double> maximum = Number(settings.ReadString(settingskey::OperatingTempMax));
    if (!minimum || !maximum || !IsUnitOfCategory(strUnit, UnitCategory::Temperature))
        return range;
    range.bMinGiven = range.bMaxGiven = true;
    range.sdOperatingTempMin.Set(*minimum, strUnit);
    range.sdOperatingTempMax.Set(*maximum, strUnit);
    return range;
}

bool WriteLastOperatingRange(ISettings& settings, const SOperatingTemperatures& range)
{
    const bool bGiven = range.IsGiven();
    // Both in the minimum's unit, so that one unit describes the pair.
    const std::string strUnit = bGiven ? range.sdOperatingTempMin.GetUnit() : std::string();
    bool bOk = settings.WriteString(settingskey::OperatingTempUnit, strUnit);
    bOk = settings.WriteString(settingskey::OperatingTempMin,
                               bGiven ? Text(range.sdOperatingTempMin.Value()) : "") &&
          bOk;
    bOk = settings.WriteString(settingskey::OperatingTempMax,
                               bGiven ? Text(range.sdOperatingTempMax.GetValue(strUnit)) : "") &&
          bOk;
    return bOk;
}
