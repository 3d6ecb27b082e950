-- The largest breathing volume of the reservoir isolators, in cubic metres.
SELECT MAX(ActualCapacity) AS MaxOfActualCapacity FROM OvrisolSizes
