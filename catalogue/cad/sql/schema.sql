-- The CAD mailbox: the two mailbox tables that a drawing request is written into, and the
-- drawing data that the CAD component reads for the model named there. The stored queries
-- are the files of catalogue/cad/queries. All lengths are in millimetres.

-- One request at a time: the clear query empties a table before its new row goes in.
CREATE TABLE PA_Mailbox (
    FileName TEXT, Company TEXT, ModelNumber TEXT, Series TEXT, Bore_Size TEXT, Construction TEXT,
    Options TEXT, Capacity TEXT, DesignPressure TEXT, DesignNumber TEXT, SealCompound TEXT,
    HydPortMod TEXT, GasPortMod TEXT, AddnlMountInfo TEXT, AddnlMountInfo2 TEXT);
CREATE TABLE BA_Mailbox (
    FileName TEXT, Company TEXT, ModelNumber TEXT, Series TEXT, Size TEXT, Construction TEXT,
    Pressure TEXT, Port TEXT, SealCmpd TEXT, DesMod TEXT, DesCode TEXT, AddedNote1 TEXT, AddedNote2 TEXT);

CREATE TABLE QueryDefs (Name TEXT PRIMARY KEY, Sql TEXT NOT NULL);

-- Thread and flange sizes as the catalogue names them, with the diameter drawn for them:
-- the thread's major diameter, or the bore of a flange port.
CREATE TABLE CadPortSizes (Size TEXT PRIMARY KEY, DiameterMm DOUBLE NOT NULL, Flange BOOLEAN NOT NULL);

-- Piston bodies: a tube closed by two end caps; the fluid port in the left cap, the gas
-- valve or gas port in the right one. The first four columns are the mailbox's words
-- for the model: series, bore and capacity as the model number writes them, and the
-- design pressure with its unit.
CREATE TABLE CadPistonModels (
    Series TEXT NOT NULL, Bore_Size TEXT NOT NULL, Capacity TEXT NOT NULL, DesignPressure TEXT NOT NULL,
    SeriesCode TEXT NOT NULL, BoreCode TEXT NOT NULL, CapCode TEXT NOT NULL, PressureCode TEXT NOT NULL,
    Description TEXT NOT NULL, CapacityText TEXT NOT NULL,
    LengthMm DOUBLE NOT NULL, DiameterMm DOUBLE NOT NULL, BoreMm DOUBLE NOT NULL, CapMm DOUBLE NOT NULL,
    -- Band clamps: centre of each from the fluid end (the second is null for one clamp), width.
    Clamp1Mm DOUBLE NOT NULL, Clamp2Mm DOUBLE, ClampWidthMm DOUBLE NOT NULL,
    PRIMARY KEY (SeriesCode, BoreCode, CapCode, PressureCode),
    UNIQUE (Series, Bore_Size, Capacity, DesignPressure));
-- Ports of the end caps by side ('Hyd', 'Gas') and code (type code then size code, "-S16").
CREATE TABLE CadPistonPorts (
    Side TEXT NOT NULL, Code TEXT NOT NULL, Label TEXT NOT NULL,
    DiameterMm DOUBLE NOT NULL, DepthMm DOUBLE NOT NULL, PRIMARY KEY (Side, Code));
-- The standard ports of each bore, for a model whose ports are not modified.
CREATE TABLE CadPistonStdPorts (BoreCode TEXT PRIMARY KEY, HydPort TEXT NOT NULL, GasPort TEXT NOT NULL);
CREATE TABLE CadPistonConstructions (Code TEXT PRIMARY KEY, Text TEXT NOT NULL);
CREATE TABLE CadPistonOptions (Code TEXT PRIMARY KEY, Text TEXT NOT NULL, SortOrder INTEGER NOT NULL);
CREATE TABLE CadSeals (AccumulatorType TEXT NOT NULL, Code TEXT NOT NULL, Text TEXT NOT NULL,
                       PRIMARY KEY (AccumulatorType, Code));

-- Bladder shells: the fluid port stem at the left, a dished head, the cylindrical body,
-- the upper head and the gas valve stem at the right.
CREATE TABLE CadBladderModels (
    Series TEXT NOT NULL, Size TEXT NOT NULL, Pressure TEXT NOT NULL,
    SeriesCode TEXT NOT NULL, CapCode TEXT NOT NULL, PressureCode TEXT NOT NULL,
    Description TEXT NOT NULL, CapacityText TEXT NOT NULL,
    LengthMm DOUBLE NOT NULL, DiameterMm DOUBLE NOT NULL, HeadMm DOUBLE NOT NULL,
    PortStemMm DOUBLE NOT NULL, ValveStemMm DOUBLE NOT NULL, ValveDiameterMm DOUBLE NOT NULL,
    Clamp1Mm DOUBLE NOT NULL, Clamp2Mm DOUBLE, ClampWidthMm DOUBLE NOT NULL,
    -- A transfer barrier's top fluid port, in place of the gas valve (null for a bladder
    -- accumulator); the valve stem's columns then give the top stem.
    TopPortLabel TEXT, TopPortDiameterMm DOUBLE,
    PRIMARY KEY (SeriesCode, CapCode, PressureCode),
    UNIQUE (Series, Size, Pressure));
-- The codes a transfer barrier's row names besides its model: the catalogue's defaults.
CREATE TABLE CadTransferCodes (
    SeriesCode TEXT PRIMARY KEY, Construction TEXT NOT NULL, Port TEXT NOT NULL, Seal TEXT NOT NULL,
    DesignCode TEXT NOT NULL);
-- Fluid ports by code and the sizes and pressures they come in.
CREATE TABLE CadBladderPorts (
    Code TEXT NOT NULL, CapCode TEXT NOT NULL, PressureCode TEXT NOT NULL, Label TEXT NOT NULL,
    DiameterMm DOUBLE NOT NULL, StemDiameterMm DOUBLE NOT NULL, PRIMARY KEY (Code, CapCode, PressureCode));
CREATE TABLE CadBladderTexts (
    Kind TEXT NOT NULL, SeriesCode TEXT NOT NULL, Code TEXT NOT NULL, Text TEXT NOT NULL,
    PRIMARY KEY (Kind, SeriesCode, Code));
