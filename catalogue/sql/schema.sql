-- The catalogue's tables. Stored queries (catalogue/queries/*.sql) are the only way
-- the program reads them; column types decide the field types the program sees.

-- Unit codes used by the catalogue, with the program's conversion to the base unit
-- (value x Factor + Offset), so that queries can compare across units.
CREATE TABLE Units (Code TEXT PRIMARY KEY, Factor DOUBLE NOT NULL, Offset DOUBLE NOT NULL);

-- Booleans as a typed column, for queries that answer yes or no.
CREATE TABLE Bools (Value BOOLEAN PRIMARY KEY);

CREATE TABLE Products (
    ProdId INTEGER PRIMARY KEY, ProdType TEXT NOT NULL, Description TEXT NOT NULL,
    Image TEXT NOT NULL, SortOrder INTEGER NOT NULL);

-- Series: one family of bodies with its own model-number prefix.
CREATE TABLE Series (
    SeriesCode TEXT PRIMARY KEY, SeriesLocation INTEGER NOT NULL, AccumulatorType TEXT NOT NULL,
    Description TEXT NOT NULL, Image TEXT NOT NULL, Metric BOOLEAN NOT NULL);

-- Pressure classes of a series.
CREATE TABLE PressureClasses (
    SeriesCode TEXT NOT NULL REFERENCES Series, PressureCode TEXT NOT NULL, PressureLocation INTEGER NOT NULL,
    PressureRating DOUBLE NOT NULL, PressUnits TEXT NOT NULL REFERENCES Units, RatingPsi DOUBLE NOT NULL,
    PRIMARY KEY (SeriesCode, PressureCode));

-- Piston bores (bore codes are unique across series).
CREATE TABLE Bores (
    BoreCode TEXT PRIMARY KEY, SeriesCode TEXT NOT NULL REFERENCES Series, BoreLocation INTEGER NOT NULL,
    BoreDisplay DOUBLE NOT NULL, BoreUnits TEXT NOT NULL REFERENCES Units, BoreIn DOUBLE NOT NULL);

-- Every orderable body: accumulators of every type and gas bottles.
CREATE TABLE Models (
    SeriesCode TEXT NOT NULL REFERENCES Series, SeriesLocation INTEGER NOT NULL,
    PressureCode TEXT NOT NULL, PressureLocation INTEGER NOT NULL,
    PressureRating DOUBLE NOT NULL, PressUnits TEXT NOT NULL REFERENCES Units,
    BoreCode TEXT NOT NULL, BoreLocation INTEGER NOT NULL, BoreDisplay DOUBLE NOT NULL, BoreUnits TEXT NOT NULL,
    CapCode TEXT NOT NULL, CapLocation INTEGER NOT NULL, Capacity DOUBLE NOT NULL, CapacityUnits TEXT NOT NULL,
    DesignNumber TEXT NOT NULL, DesignLocation INTEGER NOT NULL,
    AccumulatorType TEXT NOT NULL, AccumulatorDesc TEXT NOT NULL,
    -- Flow per unit through the standard and through the largest (oversize) fluid port.
    StdFlow DOUBLE NOT NULL, MaxFlow DOUBLE NOT NULL, FlowUnits TEXT NOT NULL REFERENCES Units,
    -- Outline for the report: length, outside diameter, weight.
    OverallLength DOUBLE NOT NULL, OutsideDiameter DOUBLE NOT NULL, LengthUnits TEXT NOT NULL,
    Weight DOUBLE NOT NULL, WeightUnits TEXT NOT NULL,
    PRIMARY KEY (SeriesCode, PressureCode, BoreCode, CapCode));

-- Gas bottles that extend a piston accumulator's gas volume.
CREATE TABLE PistonGasBottles (
    PistonSeries TEXT NOT NULL, GBSeries TEXT NOT NULL, GBPressureCode TEXT NOT NULL, GBCapCode TEXT NOT NULL,
    GBPartNumber TEXT NOT NULL, GasBottleDesc TEXT NOT NULL,
    PRIMARY KEY (PistonSeries, GBPartNumber));

-- Ports of piston accumulators: types and sizes, fluid side ('Hyd') and gas side ('Gas').
CREATE TABLE PistonPortTypes (
    Side TEXT NOT NULL, TypeCode TEXT NOT NULL, Type TEXT NOT NULL, Location INTEGER NOT NULL,
    MaxPsi DOUBLE NOT NULL, SortOrder INTEGER NOT NULL, PRIMARY KEY (Side, TypeCode));
CREATE TABLE PistonPortSizes (
    Side TEXT NOT NULL, TypeCode TEXT NOT NULL, SizeCode TEXT NOT NULL, Size TEXT NOT NULL,
    Location INTEGER NOT NULL, MinBoreIn DOUBLE NOT NULL, MaxBoreIn DOUBLE NOT NULL,
    PRIMARY KEY (Side, TypeCode, SizeCode));
-- Port styles of a piston accumulator (its design number).
CREATE TABLE PistonPortDesigns (
    Code TEXT NOT NULL, CodeLocation INTEGER NOT NULL, Metric BOOLEAN NOT NULL, Description TEXT NOT NULL,
    -- Port types that the style offers for modification, as a list of type codes.
    HydTypes TEXT NOT NULL, GasTypes TEXT NOT NULL, PRIMARY KEY (Code, Metric));
-- The standard ports of each bore and port style.
CREATE TABLE PistonStdPorts (
    BoreCode TEXT NOT NULL REFERENCES Bores, DesignNumber TEXT NOT NULL,
    HydType TEXT NOT NULL, HydSize TEXT NOT NULL, GasType TEXT NOT NULL, GasSize TEXT NOT NULL,
    GBGasType TEXT NOT NULL, GBGasSize TEXT NOT NULL,
    PRIMARY KEY (BoreCode, DesignNumber));

-- Piston construction and approval stamp: together they give the construction code.
CREATE TABLE PistonConstructions (
    Construction TEXT NOT NULL, Approval TEXT NOT NULL, Code TEXT NOT NULL, CodeLocation INTEGER NOT NULL,
    MaxBoreIn DOUBLE NOT NULL, SortOrder INTEGER NOT NULL, PRIMARY KEY (Construction, Approval));
CREATE TABLE PistonOptions (
    PartNumberCode TEXT PRIMARY KEY, Option TEXT NOT NULL, MinBoreIn DOUBLE NOT NULL, MaxPsi DOUBLE NOT NULL,
    SortOrder INTEGER NOT NULL);

-- Detail choices of the other types: one table, keyed by what the dialogs ask for.
-- Kind is the code type of the model-number queries ('Construction', 'Hydraulic Port', ...);
-- SeriesCode '*' applies to every series of the type.
CREATE TABLE DetailChoices (
    AccumulatorType TEXT NOT NULL, Kind TEXT NOT NULL, SeriesCode TEXT NOT NULL,
    Code TEXT NOT NULL, CodeLocation INTEGER NOT NULL, Description TEXT NOT NULL,
    -- Where a choice applies: capacity codes ('*' all), pressure codes ('*' all), high flow ('*', 'Y', 'N').
    CapCodes TEXT NOT NULL, PressureCodes TEXT NOT NULL, UserFlow TEXT NOT NULL,
    PortSize TEXT NOT NULL, IsDefault BOOLEAN NOT NULL, SortOrder INTEGER NOT NULL,
    UNIQUE (AccumulatorType, Kind, SeriesCode, Code, CapCodes, PressureCodes));

-- Seal compounds per accumulator type, with their temperature range in deg F.
CREATE TABLE Seals (
    AccumulatorType TEXT NOT NULL, Code TEXT NOT NULL, CodeLocation INTEGER NOT NULL,
    Description TEXT NOT NULL, TypicalFluids TEXT NOT NULL, Info TEXT NOT NULL,
    TempLowF DOUBLE NOT NULL, TempHighF DOUBLE NOT NULL, IsDefault BOOLEAN NOT NULL, SortOrder INTEGER NOT NULL,
    PRIMARY KEY (AccumulatorType, Code));
-- Fluids and the seal compounds (by code) that withstand them.
CREATE TABLE Fluids (FluidName TEXT PRIMARY KEY, SortOrder INTEGER NOT NULL);
CREATE TABLE FluidSeals (
    FluidName TEXT NOT NULL REFERENCES Fluids, SealCode TEXT NOT NULL, PRIMARY KEY (FluidName, SealCode));

-- Lookups of the sizing dialogs.
CREATE TABLE ValveSizes (Value TEXT PRIMARY KEY, ActSize DOUBLE NOT NULL, SortOrder INTEGER NOT NULL);
CREATE TABLE FluidDensities (FluidName TEXT PRIMARY KEY, FluidDensity DOUBLE NOT NULL, SortOrder INTEGER NOT NULL);
CREATE TABLE PipeSizes (NominalSize TEXT PRIMARY KEY, OutsideDiameter DOUBLE NOT NULL, SortOrder INTEGER NOT NULL);
CREATE TABLE PipeSchedules (
    NominalSize TEXT NOT NULL REFERENCES PipeSizes, ScheduleNumber TEXT NOT NULL, ID DOUBLE NOT NULL,
    SortOrder INTEGER NOT NULL, PRIMARY KEY (NominalSize, ScheduleNumber));
CREATE TABLE TubeSizes (NominalSize TEXT PRIMARY KEY, ID DOUBLE NOT NULL, SortOrder INTEGER NOT NULL);
CREATE TABLE ReliefValves (
    ReliefValveSizeText TEXT PRIMARY KEY, MaxFlowGpm DOUBLE NOT NULL, ReliefValveResponseTime DOUBLE NOT NULL);
CREATE TABLE VariablePumpResponse (MaxFlowGpm DOUBLE PRIMARY KEY, ResponseTime DOUBLE NOT NULL);

-- Reservoir isolators: sizes with their breathing volume in CU_M and outline, the shell
-- constructions (for the listed size codes, '*' all) and the fixed codes of a series.
CREATE TABLE OvrisolSizes (
    SeriesCode TEXT NOT NULL REFERENCES Series, SizeCode TEXT NOT NULL, SizeLocation INTEGER NOT NULL,
    CapDisplay DOUBLE NOT NULL, CapDisplayUnits TEXT NOT NULL REFERENCES Units, ActualCapacity DOUBLE NOT NULL,
    OverallLength DOUBLE NOT NULL, ShellDiameter DOUBLE NOT NULL, LengthUnits TEXT NOT NULL REFERENCES Units,
    MountingFlange TEXT NOT NULL, Breather TEXT NOT NULL, Weight DOUBLE NOT NULL,
    WeightUnits TEXT NOT NULL REFERENCES Units, PRIMARY KEY (SeriesCode, SizeCode));
CREATE TABLE OvrisolConstructions (
    SeriesCode TEXT NOT NULL REFERENCES Series, Code TEXT NOT NULL, CodeLocation INTEGER NOT NULL,
    Construction TEXT NOT NULL, SizeCodes TEXT NOT NULL, WeightFactor DOUBLE NOT NULL, SortOrder INTEGER NOT NULL,
    PRIMARY KEY (SeriesCode, Code));
CREATE TABLE SeriesFixedCodes (
    SeriesCode TEXT NOT NULL REFERENCES Series, Code TEXT NOT NULL, CodeLocation INTEGER NOT NULL,
    CodeType TEXT NOT NULL, Description TEXT NOT NULL, PRIMARY KEY (SeriesCode, CodeLocation));

-- Transfer barriers: bladder shells with a fluid port at both ends, per pressure class,
-- capacity and service (the media on either side of the bladder).
CREATE TABLE TransferBarrierServices (
    SeriesCode TEXT NOT NULL REFERENCES Series, ServiceCode TEXT NOT NULL, ServiceLocation INTEGER NOT NULL,
    Service TEXT NOT NULL, SortOrder INTEGER NOT NULL, PRIMARY KEY (SeriesCode, ServiceCode));
CREATE TABLE TransferBarriers (
    SeriesCode TEXT NOT NULL, PressureCode TEXT NOT NULL, CapCode TEXT NOT NULL, CapCodeLocation INTEGER NOT NULL,
    Cap DOUBLE NOT NULL, CapUnits TEXT NOT NULL REFERENCES Units, ServiceCode TEXT NOT NULL,
    OverallLength DOUBLE NOT NULL, OutsideDiameter DOUBLE NOT NULL, Weight DOUBLE NOT NULL,
    PRIMARY KEY (SeriesCode, PressureCode, CapCode, ServiceCode),
    FOREIGN KEY (SeriesCode, PressureCode) REFERENCES PressureClasses (SeriesCode, PressureCode),
    FOREIGN KEY (SeriesCode, ServiceCode) REFERENCES TransferBarrierServices (SeriesCode, ServiceCode));

-- Accessories: the accumulator types and sizes they are ordered for, the accessories, and
-- which accessory fits which size ('*' any capacity code or bore).
CREATE TABLE AccessoryAccumulators (Accumulator TEXT PRIMARY KEY, Description TEXT NOT NULL, SortOrder INTEGER NOT NULL);
CREATE TABLE AccessorySizes (
    Accumulator TEXT NOT NULL REFERENCES AccessoryAccumulators, CapCode TEXT NOT NULL, Cap DOUBLE NOT NULL,
    CapUnits TEXT NOT NULL REFERENCES Units, NomBore TEXT NOT NULL, BoreDisplay DOUBLE NOT NULL,
    BoreUnits TEXT NOT NULL REFERENCES Units, BodyOdIn DOUBLE NOT NULL, SortOrder DOUBLE NOT NULL,
    PRIMARY KEY (Accumulator, CapCode, NomBore));
CREATE TABLE Accessories (
    PartNumber TEXT PRIMARY KEY, AccessoryText TEXT NOT NULL, Description TEXT NOT NULL, Image TEXT NOT NULL);
CREATE TABLE AccessoryFits (
    PartNumber TEXT NOT NULL REFERENCES Accessories, Accumulator TEXT NOT NULL REFERENCES AccessoryAccumulators,
    CapCode TEXT NOT NULL, NomBore TEXT NOT NULL, "Order" INTEGER NOT NULL,
    PRIMARY KEY (PartNumber, Accumulator, CapCode, NomBore));

-- Repair kits by kind, with what each fits ('' where a filter does not apply to the kit).
CREATE TABLE RepairKitTypes (KitType TEXT PRIMARY KEY, SortOrder INTEGER NOT NULL);
CREATE TABLE RepairKits (
    PartNumber TEXT PRIMARY KEY, KitType TEXT NOT NULL REFERENCES RepairKitTypes, RepairKit TEXT NOT NULL,
    Size TEXT NOT NULL, SizeOrder DOUBLE NOT NULL, Seal TEXT NOT NULL, Construction TEXT NOT NULL,
    Service TEXT NOT NULL, Port TEXT NOT NULL, SortOrder INTEGER NOT NULL);

-- Texts, report data, reference documents and pictures.
CREATE TABLE Messages (MsgKey TEXT PRIMARY KEY, MsgText TEXT NOT NULL);
CREATE TABLE MessagesInt (MsgId INTEGER PRIMARY KEY, WarningText TEXT NOT NULL);
CREATE TABLE ReportLabels (MapKey TEXT PRIMARY KEY, FieldLabel TEXT NOT NULL);
CREATE TABLE ReportValueKeys (MapKey TEXT PRIMARY KEY, SortOrder INTEGER NOT NULL);
CREATE TABLE ReportPictures (
    SeriesCode TEXT NOT NULL, GasPortType TEXT NOT NULL, Construction TEXT NOT NULL, UserFlow TEXT NOT NULL,
    Image TEXT NOT NULL, Priority INTEGER NOT NULL,
    PRIMARY KEY (SeriesCode, GasPortType, Construction, UserFlow));
CREATE TABLE RefHelpNames (Category TEXT PRIMARY KEY, FileName TEXT NOT NULL);
CREATE TABLE RefJumps (
    SeriesName TEXT NOT NULL, Dialog TEXT NOT NULL, RefJump TEXT NOT NULL, PRIMARY KEY (SeriesName, Dialog));
CREATE TABLE Images (ImageName TEXT PRIMARY KEY, Image BLOB NOT NULL);

CREATE TABLE QueryDefs (Name TEXT PRIMARY KEY, Sql TEXT NOT NULL);

-- Every model with its capacity, rating and flows in base units (CU_M, PA, CU_M_MIN)
-- and its bore in inches, so that queries compare across units.
CREATE VIEW ModelsBase AS
SELECT m.*, m.Capacity * cu.Factor AS CapM3, m.PressureRating * pu.Factor + pu.Offset AS RatingPa,
       m.StdFlow * fu.Factor AS StdFlowM3Min, m.MaxFlow * fu.Factor AS MaxFlowM3Min,
       m.BoreDisplay * bu.Factor / 0.0254 AS BoreIn
FROM Models m
JOIN Units cu ON cu.Code = m.CapacityUnits
JOIN Units pu ON pu.Code = m.PressUnits
JOIN Units fu ON fu.Code = m.FlowUnits
JOIN Units bu ON bu.Code = m.BoreUnits;
