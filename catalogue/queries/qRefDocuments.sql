-- Every reference document the catalogue names: the files of the reference categories and the
-- topics of the dialogs and series (a series' own topic has the dialog "ALL").
SELECT FileName AS Document, 0 AS IsTopic, '' AS SeriesName, Category AS Dialog FROM RefHelpNames
UNION ALL
SELECT RefJump, 1, SeriesName, Dialog FROM RefJumps
ORDER BY IsTopic, Document
