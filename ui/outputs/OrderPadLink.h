// How the desktop reaches the order pad program: started when it is not running, asked to come
// up when it is; sent documents offered on the clipboard.
#pragma once

#include "outputs/OrderPad.h"

#include <QString>

#include <filesystem>

class ISettings;

namespace orderpadkey
{
inline constexpr const char* Inbox = "OrderPad/Inbox";
inline constexpr const char* Program = "OrderPad/Program";
} // namespace orderpadkey

// The MIME type that the clipboard format "OrderPadData" stands for.
inline constexpr const char* kOrderPadMimeType = "application/x-qt-windows-mime;value=\"OrderPadData\"";

// The inbox the settings name, else the default under the user's data folder.
std::filesystem::path OrderPadInboxFrom(const ISettings& settings);
// The name a running order pad of that inbox listens under.
QString OrderPadServerName(const std::filesystem::path& inbox);
// Asks a running order pad of that inbox to come up; false when none is running.
bool RaiseRunningOrderPad(const std::filesystem::path& inbox);

class CDesktopOrderPadLink : public IOrderPadLink
{
public:
    explicit CDesktopOrderPadLink(const ISettings& settings) : m_settings(settings) {}

    bool Open(std::string& strError) override;
    void Offer(const std::string& strDocument) override;
    // The program the settings name, else the one installed beside this program.
    QString Program() const;

private:
    const ISettings& m_settings;
};
