-- The model number of a series position by position: every code the catalogue offers at each
-- position and what it stands for. A rating, bore, capacity or size comes as Value with its Units (else 0 and empty)
-- for the reader to show; other codes carry their Description. A transfer barrier takes the
-- defaults of its bladder shell (its own where it has one), as its model number does.
WITH se AS (SELECT * FROM Series WHERE SeriesCode = :parSeries),
kind AS (SELECT CASE AccumulatorType WHEN 'Transfer' THEN 'Bladder' ELSE AccumulatorType END AS DetailType,
                AccumulatorType = 'Transfer' AS DefaultsOnly FROM se),
codes(CodeLocation, CodeType, Code, Description, Value, Units, SortOrder) AS (
    SELECT SeriesLocation, 'Series', SeriesCode, Description, 0.0, '', 0 FROM se
    UNION ALL
    SELECT PressureLocation, 'Pressure', PressureCode, '', PressureRating, PressUnits, RatingPsi
    FROM PressureClasses WHERE SeriesCode = :parSeries
    UNION ALL
    SELECT d.CodeLocation, 'Port Style', d.Code, d.Description, 0.0, '', 0
    FROM PistonPortDesigns d JOIN se ON se.AccumulatorType = 'Piston' AND d.Metric = se.Metric
    UNION ALL
    SELECT DISTINCT BoreLocation, 'Bore', BoreCode, '', BoreDisplay, BoreUnits, BoreIn
    FROM ModelsBase WHERE SeriesCode = :parSeries AND BoreLocation > 0
    UNION ALL
    SELECT DISTINCT CapLocation, 'Capacity', CapCode, '', Capacity, CapacityUnits, CapM3
    FROM ModelsBase WHERE SeriesCode = :parSeries
    UNION ALL
    SELECT DISTINCT t.CapCodeLocation, 'Capacity', t.CapCode, '', t.Cap, t.CapUnits, t.Cap * u.Factor
    FROM TransferBarriers t JOIN Units u ON u.Code = t.CapUnits WHERE t.SeriesCode = :parSeries
    UNION ALL
    SELECT SizeLocation, 'Size', SizeCode, '', CapDisplay, CapDisplayUnits, ActualCapacity
    FROM OvrisolSizes WHERE SeriesCode = :parSeries
    UNION ALL
    SELECT CodeLocation, 'Construction', Code, Construction, 0.0, '', SortOrder
    FROM OvrisolConstructions WHERE SeriesCode = :parSeries
    UNION ALL
    SELECT ServiceLocation, 'Service', ServiceCode, Service, 0.0, '', SortOrder
    FROM TransferBarrierServices WHERE SeriesCode = :parSeries
    UNION ALL
    SELECT CodeLocation, CodeType, Code, Description, 0.0, '', 0 FROM SeriesFixedCodes WHERE SeriesCode = :parSeries
    UNION ALL
    SELECT s.CodeLocation, 'Seal', s.Code, s.Description, 0.0, '', s.SortOrder
    FROM Seals s JOIN kind k ON s.AccumulatorType = CASE WHEN :parSeries = 'OV' THEN 'OV' ELSE k.DetailType END
    WHERE NOT k.DefaultsOnly OR s.IsDefault
    UNION ALL
    SELECT DISTINCT d.CodeLocation, d.Kind, d.Code, d.Description, 0.0, '', d.SortOrder
    FROM DetailChoices d JOIN kind k ON d.AccumulatorType = k.DetailType
    WHERE d.SeriesCode IN ('*', :parSeries)
      AND (NOT k.DefaultsOnly OR (d.IsDefault AND NOT (d.SeriesCode = '*' AND EXISTS (
          SELECT 1 FROM DetailChoices o WHERE o.AccumulatorType = d.AccumulatorType AND o.IsDefault
                                            AND o.Kind = d.Kind AND o.SeriesCode = :parSeries))))
    UNION ALL
    SELECT t.Location, CASE t.Side WHEN 'Hyd' THEN 'Fluid Port Type' ELSE 'Gas Port Type' END, t.TypeCode, t.Type,
           0.0, '', t.SortOrder
    FROM PistonPortTypes t JOIN se ON se.AccumulatorType = 'Piston'
    UNION ALL
    SELECT z.Location, CASE z.Side WHEN 'Hyd' THEN 'Fluid Port Size' ELSE 'Gas Port Size' END, z.SizeCode,
           z.Size || ' (' || t.TypeCode || ')', 0.0, '', t.SortOrder * 1000 + z.MinBoreIn
    FROM PistonPortSizes z JOIN PistonPortTypes t ON t.Side = z.Side AND t.TypeCode = z.TypeCode
    JOIN se ON se.AccumulatorType = 'Piston'
    UNION ALL
    SELECT CodeLocation, 'Construction', Code, Construction || ', ' || Approval, 0.0, '', SortOrder
    FROM PistonConstructions JOIN se ON se.AccumulatorType = 'Piston'
    UNION ALL
    SELECT 12, 'Option', PartNumberCode, Option, 0.0, '', SortOrder
    FROM PistonOptions JOIN se ON se.AccumulatorType = 'Piston')
SELECT CodeLocation, CodeType, Code, Description, Value, Units FROM codes
ORDER BY CodeLocation, SortOrder, Code
