-- The shell constructions of a reservoir isolator size.
SELECT Code, CodeLocation, Construction AS Description
FROM OvrisolConstructions
WHERE SizeCodes = '*' OR instr(',' || SizeCodes || ',', ',' || :parSizeCode || ',') > 0
ORDER BY SortOrder
