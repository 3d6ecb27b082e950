-- Typical compensator response time of a variable volume pump of this flow (gpm).
SELECT ResponseTime FROM VariablePumpResponse WHERE MaxFlowGpm >= :parFlow ORDER BY MaxFlowGpm LIMIT 1
