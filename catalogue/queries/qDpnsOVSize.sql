-- The reservoir isolator sizes, by the volume they take in or give off.
SELECT SizeCode AS Code, SizeLocation AS CodeLocation, CapDisplay, CapDisplayUnits
FROM OvrisolSizes
ORDER BY ActualCapacity
