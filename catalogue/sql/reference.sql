-- Reference documents: the files behind the reference menu and behind each dialog's Reference button.

-- Reference menu categories; a name ending in "pdf" opens from the application folder.
INSERT INTO RefHelpNames (Category, FileName) VALUES
    ('Contacting Dalrow', 'ContactingDalrow.pdf'),
    ('Dalrow Locations', 'DalrowLocations.pdf'),
    ('License Agreement', 'LicenseAgreement.pdf'),
    ('Help', 'AccumulatorHelp.pdf'),
    ('Product Support', 'ProductSupport.pdf'),
    ('Offer of Sale', 'OfferOfSale.pdf'),
    ('Other Products', 'OtherProducts.pdf'),
    ('Related Products', 'RelatedProducts.pdf');

-- The contents document, opened when a dialog asks for no particular topic.
INSERT INTO RefJumps (SeriesName, Dialog, RefJump) VALUES
    ('Contents', 'ALL', 'CONTENTS.PDF');

-- Describing the application: the application and method choosers.
INSERT INTO RefJumps (SeriesName, Dialog, RefJump) VALUES
    ('ALL', 'CDescribeApplication', 'APPLICATIONS.PDF'),
    ('ALL', 'CSupPumpSelCalcMethod', 'APPLICATIONS.PDF'),
    ('ALL', 'CAuxPow_SelCalcMeth', 'APPLICATIONS.PDF'),
    ('ALL', 'CPumpOverChoice', 'APPLICATIONS.PDF');

-- Sizing: the known capacity, the results and the calculation dialog of each application.
INSERT INTO RefJumps (SeriesName, Dialog, RefJump) VALUES
    ('ALL', 'CReqAccCapSize', 'SIZING.PDF'),
    ('ALL', 'CResultDialog', 'SIZING.PDF'),
    ('ALL', 'CSuppPumpActVolDispTime', 'SIZING.PDF'),
    ('ALL', 'CSupPumpCylDimensions', 'SIZING.PDF'),
    ('ALL', 'CSupPumpFlow', 'SIZING.PDF'),
    ('ALL', 'CSuppPumpMultiAct', 'SIZING.PDF'),
    ('ALL', 'CSupPumpMultiEvent', 'SIZING.PDF'),
    ('ALL', 'CSuppPumpMultiActPump', 'SIZING.PDF'),
    ('ALL', 'C_IDD_SUPP_MULTI_GRAPH', 'SIZING.PDF'),
    ('ALL', 'CAuxPow_CSupPumpActVolDispTime', 'SIZING.PDF'),
    ('ALL', 'CAuxPow_CSupPumpCylDimensions', 'SIZING.PDF'),
    ('ALL', 'CAuxPowerSource', 'SIZING.PDF'),
    ('ALL', 'CHoldingLeakage', 'SIZING.PDF'),
    ('ALL', 'CShockSuppress', 'SIZING.PDF'),
    ('ALL', 'CShockPumpOverFixed', 'SIZING.PDF'),
    ('ALL', 'CShockPumpOverVariable', 'SIZING.PDF'),
    ('ALL', 'CPistonPumpPulsationDampening', 'SIZING.PDF');

-- Tools: output of an existing accumulator and effect of temperature on precharge.
INSERT INTO RefJumps (SeriesName, Dialog, RefJump) VALUES
    ('ALL', 'CToolOutputExisting', 'TOOLS.PDF'),
    ('ALL', 'CToolAccOutputResult', 'TOOLS.PDF'),
    ('ALL', 'CToolTempEffectPrecharge', 'TOOLS.PDF'),
    ('ALL', 'CToolEffectTempPrechgResult', 'TOOLS.PDF');

-- Choosing the product, the model and its details; seals and gas bottles.
INSERT INTO RefJumps (SeriesName, Dialog, RefJump) VALUES
    ('ALL', 'CChooseProduct', 'PRODUCTS.PDF'),
    ('ALL', 'CAccumulatorChooseModel', 'MODELS.PDF'),
    ('ALL', 'CDetailsPiston1', 'PISTON.PDF'),
    ('ALL', 'CDetailsBladder1', 'BLADDER.PDF'),
    ('ALL', 'CDetailsDiaphragm', 'DIAPHRAGM.PDF'),
    ('ALL', 'CDetailsGB1', 'GASBOTTLE.PDF'),
    ('ALL', 'CGasBottleSelect', 'GASBOTTLE.PDF'),
    ('ALL', 'CChooseSeals', 'SEALS.PDF'),
    ('ALL', 'CFluidCompatability', 'SEALS.PDF');

-- Rapid selection: one dialog per product type.
INSERT INTO RefJumps (SeriesName, Dialog, RefJump) VALUES
    ('ALL', 'CDpnsSelection', 'RAPIDSELECTION.PDF'),
    ('ALL', 'CDpnsPiston', 'RAPIDSELECTION.PDF'),
    ('ALL', 'CDpnsBladder', 'RAPIDSELECTION.PDF'),
    ('ALL', 'CDpnsDiaphragm', 'RAPIDSELECTION.PDF'),
    ('ALL', 'CDpnsGB', 'RAPIDSELECTION.PDF'),
    ('ALL', 'CDpnsOvrisol', 'RAPIDSELECTION.PDF');

-- Other products: reservoir isolators, transfer barriers, accessories and repair kits.
INSERT INTO RefJumps (SeriesName, Dialog, RefJump) VALUES
    ('ALL', 'COvrisol1SizeSelection', 'OVRISOL.PDF'),
    ('ALL', 'COvrisol2ARequiredCapacities', 'OVRISOL.PDF'),
    ('ALL', 'COvrisol2BFluidLevel', 'OVRISOL.PDF'),
    ('ALL', 'COvrisolChooseModel', 'OVRISOL.PDF'),
    ('ALL', 'CTransferBarrier', 'TRANSFERBARRIER.PDF'),
    ('ALL', 'CAccessoryChooseAccumulator', 'ACCESSORIES.PDF'),
    ('ALL', 'CAccessoryType', 'ACCESSORIES.PDF'),
    ('ALL', 'CRepairKit', 'REPAIRKITS.PDF'),
    ('ALL', 'CRepairKitSelect', 'REPAIRKITS.PDF');

-- Series documents, for any dialog that asks by series.
INSERT INTO RefJumps (SeriesName, Dialog, RefJump) VALUES
    ('PA', 'ALL', 'PA_SERIES.PDF'),
    ('PM', 'ALL', 'PM_SERIES.PDF'),
    ('BA', 'ALL', 'BA_SERIES.PDF'),
    ('BH', 'ALL', 'BH_SERIES.PDF'),
    ('DA', 'ALL', 'DA_SERIES.PDF'),
    ('GB', 'ALL', 'GB_SERIES.PDF'),
    ('OV', 'ALL', 'OV_SERIES.PDF'),
    ('TB', 'ALL', 'TB_SERIES.PDF');
