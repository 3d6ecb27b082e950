// The CAD component as the product object uses it, and the request it draws from: the
// mailbox row just written, named by the mailbox information list.
#pragma once

#include "outputs/CadDrawing.h"
#include "outputs/CadPreferences.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CBaseProduct;
class CCadMailbox;

struct SCadRequest
{
    std::filesystem::path mailbox; // the mailbox file the row is in
    // The mailbox still holding the request's row uncommitted, until the first drawing has read
    // it: no other program's request can replace the row in between.
    std::shared_ptr<CCadMailbox> pHeld;
    // The mailbox information list: mailbox file name, mailbox table, CAD program, "PREVIEW",
    // company code, model number as shown.
    std::vector<std::string> m_lstInfo;

    const std::string& Table() const { return m_lstInfo.at(1); }
    const std::string& ModelNumber() const { return m_lstInfo.at(5); }
};

// The CAD operations; each returns 1 when it did its work, 0 when it did not (it has told
// the user why, or the user cancelled).
class ICadObject
{
public:
    virtual ~ICadObject() = default;
    virtual int ViewCAD(const SCadRequest& request) = 0;
    virtual int PrintDXF(const SCadRequest& request) = 0;
    virtual int PrintHPGL(const SCadRequest& request) = 0;
    virtual int SaveCAD(const SCadRequest& request) = 0;
    virtual void DisplayCADPreferences(int nFlags) = 0;
};

// Writes the selection's mailbox row into the mailbox file and makes the request. False with
// the message to show: "Failed to open CAD mailbox" and why, or why no drawing can be made.
bool MakeCadRequest(const CBaseProduct& selection, const std::filesystem::path& mailbox,
                    const std::string& strModelNumber, SCadRequest& request, std::string& strMessage);

// The drawing of a request as the CAD component makes it: the row read back from the mailbox,
// its outline looked up, laid out with the preferences. The first drawing of a request reads
// the row it wrote and then lets the mailbox go. False with the reason.
bool DrawCadRequest(const SCadRequest& request, const SCadPreferences& preferences, const std::string& strDate,
                    CCadDrawing& drawing, std::string& strError);

// Today's date as the title block shows it, "2026-11-02".
std::string CadDrawingDate();
