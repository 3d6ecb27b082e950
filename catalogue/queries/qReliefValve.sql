-- The three smallest relief valves that pass the flow (gpm), with their opening time.
SELECT ReliefValveSizeText, ReliefValveResponseTime
FROM ReliefValves
WHERE MaxFlowGpm >= :parFlowRate
ORDER BY MaxFlowGpm
LIMIT 3
