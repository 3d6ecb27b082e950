-- The option code of up to three chosen options, in catalogue order.
WITH picked(Code) AS (VALUES (:parOption1), (:parOption2), (:parOption3)),
ordered AS (
    SELECT DISTINCT o.PartNumberCode AS Code, o.SortOrder
    FROM picked p JOIN PistonOptions o ON o.PartNumberCode = p.Code
    ORDER BY o.SortOrder)
SELECT CASE WHEN COUNT(*) = 0 THEN '' ELSE '-' || group_concat(Code, '') END AS OptionCode, 12 AS OptionLocation
FROM ordered
