// The selection the report benchmarks measure: a multiple-events cycle sized for the 4 in piston of
// the built catalogue, its model and details chosen as the command line chooses them, with enough
// events for a report of two pages.
#pragma once

#include "CliSession.h"
#include "models/DetailsStep.h"
#include "models/ModelSearch.h"
#include "outputs/ReportData.h"

#include <cstdlib>

struct SReportBenchSelection
{
    CCliSession session;
    CAccumulatorData data;
    SReportContext context;

    explicit SReportBenchSelection(int nEvents)
    {
        std::string strError;
        if (!session.Open(TESMARA_BUILT_CATALOGUE_DIR, strError))
            std::abort();
        data = session.NewSelection();
        data.deSelectApp = 0;
        data.sdRequiredAccumulatorVol.Set(500.0, "CU_IN");
        data.sdMaxSysPress.Set(3000.0, "PSIG");
        data.m_nLevel = 1;
        const SModelSearch search = RunModelSearch(data, session.Catalogue());
        if (search.rows.empty())
            std::abort();
        CAccumulatorData model(data);
        model.Initialize(2);
        ApplyModelChoice(model, search.rows.front(), search, "N", session.Catalogue());
        model.m_nLevel = 2;
        CAccumulatorData working(model);
        data = model;
        data.Initialize(3);
        if (!ApplyDetailsStep(working, data, model, {}, session.Catalogue(), strError))
            std::abort();
        data.m_nLevel = 3;
        // The cycle's events, as the multiple-events application leaves them.
        data.deSelectApp = 2;
        for (int n = 0; n < nEvents; ++n)
        {
            SEvent event;
            event.iActNo = n / 4 + 1;
            event.iEventNo = n % 4 + 1;
            event.bPumpAvail = n % 2;
            event.sdFlowrate.Set(12.5, "GPM");
            event.sdVolume.Set(0.0, "CU_IN");
            event.sdEvStartTime.Set(n * 1.5, "SEC");
            event.sdEvDuration.Set(1.5, "SEC");
            data.m_lstEvents.push_back(event);
        }
        context.pDatabase = session.Database();
        context.strProdType = "Accumulators";
        context.now = {2001, 3, 5, 14, 7, 9};
    }
};
