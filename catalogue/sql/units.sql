-- Unit codes of the catalogue, with the same factors as the program's unit table
-- (value in base unit = value x Factor + Offset). The contract check compares them.
INSERT INTO Units (Code, Factor, Offset) VALUES
    ('PA', 1.0, 0.0),
    ('PSIA', 6894.757, 0.0),
    ('PSIG', 6894.757, 101314.224),
    ('BAR', 100000.0, 0.0),
    ('BARG', 100000.0, 101314.224),
    ('CU_M', 1.0, 0.0),
    ('CU_IN', 1.638706e-05, 0.0),
    ('GAL', 0.003785413, 0.0),
    ('L', 0.001, 0.0),
    ('CU_M_MIN', 1.0, 0.0),
    ('GPM', 0.003785412, 0.0),
    ('LPM', 0.001, 0.0),
    ('M', 1.0, 0.0),
    ('IN', 0.0254, 0.0),
    ('MM', 0.001, 0.0),
    ('DEG_F', 1.0, 0.0),
    ('DEG_C', 1.8, 32.0),
    ('DEG_K', 1.8, -459.67),
    ('DEG_R', 1.0, -459.67),
    ('KG', 1.0, 0.0),
    ('LB', 0.45359, 0.0);

INSERT INTO Bools (Value) VALUES (0), (1);

INSERT INTO Products (ProdId, ProdType, Description, Image, SortOrder) VALUES
    (0, _('Accumulators'),
     _('Piston, bladder and diaphragm accumulators sized for your application: supplementing pump flow, auxiliary power, holding and leakage compensation, shock suppression and pulsation dampening. Describe the application and Tesmara computes the gas volume and precharge, then lists the models that do the job.'),
     'ProductAccumulators.jpg', 1),
    (1, _('Gas Bottles'),
     _('Gas bottles chosen directly by type and pressure: piston-style and bladder-style bottles and the GB series, for adding gas volume to an accumulator installation.'),
     'ProductGasBottles.jpg', 2),
    (2, _('Reservoir Isolators'),
     _('Flexible separators that keep contamination and moisture out of a hydraulic reservoir while the fluid level rises and falls, sized from the reservoir capacity or its fluid levels.'),
     'ProductReservoirIsolators.jpg', 3),
    (3, _('Accessories'),
     _('Charging and gauging assemblies, safety and shut-off blocks, mounting clamps and brackets for the accumulators of this catalogue.'),
     'ProductAccessories.jpg', 4),
    (4, _('Repair Kits'),
     _('Seal kits, bladders and diaphragms for servicing the accumulators of this catalogue, chosen by series, size and seal compound.'),
     'ProductRepairKits.jpg', 5),
    (5, _('Transfer Barriers'),
     _('Bladder-type transfer barriers that separate two fluids, or a fluid and a gas, at a common pressure: the bladder passes the pressure across without mixing the media. Chosen by pressure rating, service and capacity.'),
     'ProductTransferBarriers.jpg', 6);
