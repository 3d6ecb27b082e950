-- Message texts of the program, by key: text keys (qMsgStr) and integer keys (qMsgInt).
-- A text key is the program's own spelling and must not be tidied; "^n" in a text is a line break.
-- A text that the program joins directly to another text ends with a blank.

-- Shared by the dialogs: the tail appended to validation messages, and the list prompt.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('or contact your Dalrow Representative.',
     _('or contact your Dalrow Representative.')),
    ('Please select an item from the list.',
     _('Please select an item from the list.'));

-- Product object: asked before a changed step clears the later steps (Yes, No, Cancel).
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('You are changing a previous selection.  If you continue, all of your selections',
     _('You are changing a previous selection. If you continue, all of your selections in the later steps will be cleared. Do you want to continue?'));

-- Pressure, temperature and precharge checks shared by the application dialogs.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Your Maximum pressure must be larger than 0',
     _('Your Maximum pressure must be larger than 0 ')),
    ('Your Maximum Pressure exceeds the products in Tesmara. Please reduce your Maximum Pressure below: %s %s r^n',
     _('Your Maximum Pressure exceeds the products in Tesmara. Please reduce your Maximum Pressure below: %s %s^n')),
    ('Your Minimum pressure must be larger than 0',
     _('Your Minimum pressure must be larger than 0')),
    ('Please enter a minimum pressure',
     _('Please enter a minimum pressure.^n')),
    ('AboveMaxTempMessage',
     _('Your System Temperature is above the highest temperature of the products in Tesmara.^nPlease lower your System Temperature to %s %s or less.')),
    ('BelowMinTempMessage',
     _('Your System Temperature is below the lowest temperature of the products in Tesmara.^nPlease raise your System Temperature to %s %s or more.')),
    ('Your Minimum Pressure exceeds the Maximum Pressure.',
     _('Your Minimum Pressure exceeds the Maximum Pressure. ')),
    ('Please reduce your Minimum Pressure below',
     _('Please reduce your Minimum Pressure below ')),
    ('Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum Pressure below: %s %s r^n',
     _('Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum Pressure below: %s %s^n')),
    ('Your Precharge Pressure must be lower than your minimum pressure.',
     _('Your Precharge Pressure must be lower than your minimum pressure. ')),
    ('Please reduce your Precharge Pressure below ',
     _('Please reduce your Precharge Pressure below ')),
    ('Your Precharge Pressure must be lower than your minimum pressure. Please reduce your Precharge Pressure below: %s %s r^n',
     _('Your Precharge Pressure must be lower than your minimum pressure. Please reduce your Precharge Pressure below: %s %s^n')),
    ('Your Precharge Pressure must be less than the Minimum Pressure',
     _('Your Precharge Pressure must be less than the Minimum Pressure')),
    ('Your Entered Precharge Pressure must be larger than 0.',
     _('Your Entered Precharge Pressure must be larger than 0.')),
    ('Precharge Too High',
     _('Your Precharge Pressure is higher than the calculated optimal Precharge Pressure of %s %s.^nDo you want to continue with the Precharge Pressure you entered?^n'));

-- Known required capacity and the results dialog.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Please increase your required capacity to be larger than 0',
     _('Please increase your required capacity to be larger than 0')),
    ('Please lower your required volume below: %s %s r^n',
     _('Please lower your required volume below: %s %s^n')),
    ('Please lower your maximum pressure below: %s %s r^n',
     _('Please lower your maximum pressure below: %s %s^n')),
    ('The critical event occurs at Actuator %i Event %i. Altering this event may decrease the accumulator size required.',
     _('The critical event occurs at Actuator %i Event %i. Altering this event may decrease the accumulator size required.')),
    ('This application does not require an accumulator.',
     _('This application does not require an accumulator.')),
    ('The accumulator cannot be sized with these entries: %s.',
     _('The accumulator cannot be sized with these entries: %s.^nPlease change the entries of the application.')),
    -- Under the results of shock suppression: line inside diameter, fluid density, gas temperature.
    ('shock suppression inputs used',
     _('Calculated with a line inside diameter of %s, a fluid density of %s and a gas temperature of %s (assumed: shock suppression has no temperature entry).'));

-- The operating temperature range beside a sizing's results.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Please enter both the Minimum and the Maximum Operating Temperature, or leave both empty.',
     _('Please enter both the Minimum and the Maximum Operating Temperature, or leave both empty.')),
    ('The Maximum Operating Temperature must not be lower than the Minimum Operating Temperature.',
     _('The Maximum Operating Temperature must not be lower than the Minimum Operating Temperature.')),
    ('OperatingTempBelowMinMessage',
     _('Your Minimum Operating Temperature is below the lowest temperature of the products in Tesmara.^nPlease raise it to %s %s or more.')),
    ('OperatingTempAboveMaxMessage',
     _('Your Maximum Operating Temperature is above the highest temperature of the products in Tesmara.^nPlease lower it to %s %s or less.')),
    ('SystemTempOutsideOperatingMessage',
     _('Your System Temperature lies outside the Operating Temperature Range.^nPlease widen the range to include %s %s.'));

-- Supplementing pump flow: actuator volume, times, cylinder dimensions and pump size.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Your Actuator Volumetric Displacement must be larger than 0',
     _('Your Actuator Volumetric Displacement must be larger than 0')),
    ('Your Actuation Time must be larger than 0',
     _('Your Actuation Time must be larger than 0')),
    ('Your Dwell Time must be larger than 0',
     _('Your Dwell Time must be larger than 0')),
    ('Your Bore Diameter must be larger than 0.',
     _('Your Bore Diameter must be larger than 0.')),
    ('Your Rod Diameter must be larger than 0.',
     _('Your Rod Diameter must be larger than 0.')),
    ('Your Rod Diameter must be smaller than your Bore Diameter. Please reduce your Rod Diameter below: %s %s r^n',
     _('Your Rod Diameter must be smaller than your Bore Diameter. Please reduce your Rod Diameter below: %s %s^n')),
    ('Your Stroke Length must be larger than 0.',
     _('Your Stroke Length must be larger than 0.')),
    ('Your Number of Cylinders in Parallel must be larger than 0',
     _('Your Number of Cylinders in Parallel must be larger than 0')),
    ('Your pump size must be larger than the minimum pump size',
     _('Your pump size must be larger than the minimum pump size'));

-- Multiple events: the event editor, the event list and the pump dialog.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Your Event Start Time must be less than your Total Duration of Cycle. ',
     _('Your Event Start Time must be less than your Total Duration of Cycle.')),
    ('Your Event Duration Time must be greater than 0. ',
     _('Your Event Duration Time must be greater than 0.')),
    ('Your Event Start Time + your Event Duration must be less than the Total Duration of Cycle of: %s %s r^n',
     _('Your Event Start Time + your Event Duration must be less than the Total Duration of Cycle of: %s %s^n')),
    ('Your Flow Rate must be greater than 0. ',
     _('Your Flow Rate must be greater than 0.')),
    ('Your Volume of Fluid must be greater than 0. ',
     _('Your Volume of Fluid must be greater than 0.')),
    ('Your Bore Diameter must be larger than 0. ',
     _('Your Bore Diameter must be larger than 0.')),
    ('Your Rod Diameter must be larger than 0. ',
     _('Your Rod Diameter must be larger than 0.')),
    ('Your Stroke Length must be larger than 0. ',
     _('Your Stroke Length must be larger than 0.')),
    ('The event time and duration that you have entered',
     _('The event time and duration that you have entered overlap another event of the same actuator. Please change the start time or the duration.')),
    ('Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum Pressure below: %s %s r^n ',
     _('Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum Pressure below: %s %s^n')),
    ('Your Total Duration of Cycle must be larger than 0',
     _('Your Total Duration of Cycle must be larger than 0')),
    ('You have not defined any actuator events.',
     _('You have not defined any actuator events. Please add at least one actuator event.')),
    ('Your pump size must be larger than the minimum pump size ',
     _('Your pump size must be larger than the minimum pump size')),
    ('A cycle can have at most 10 actuators.',
     _('A cycle can have at most 10 actuators. Please add the event to one of the actuators listed.')),
    ('An actuator can have at most 10 events.',
     _('An actuator can have at most 10 events. Please change one of its events instead.')),
    ('Actuator and event numbers must be 1 or more.',
     _('Actuator and event numbers must be 1 or more.'));

-- Holding and leakage compensation.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('The Time to Hold Pressure must be larger than 0.',
     _('The Time to Hold Pressure must be larger than 0.')),
    ('The Estimated Leakage Rate must be larger than 0.',
     _('The Estimated Leakage Rate must be larger than 0.'));

-- Shock suppression; the shock pressure and flow checks also serve pump response and pulsation.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Your Entered Shock Pressure must be less than the Maximum Allowable Shock Pressure',
     _('Your Entered Shock Pressure must be less than the Maximum Allowable Shock Pressure')),
    ('Your Maximum Allowable Shock Pressure must be larger than 0',
     _('Your Maximum Allowable Shock Pressure must be larger than 0')),
    ('The Flow Rate must be larger than 0',
     _('The Flow Rate must be larger than 0')),
    ('Your Pipe/Tube Length must be larger than 0',
     _('Your Pipe/Tube Length must be larger than 0'));

-- Shock due to pump response time.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('The Response Time must be larger than 0',
     _('The Response Time must be larger than 0')),
    ('Please select a Relief valve. ',
     _('Please select a Relief Valve.'));

-- Piston pump pulsation dampening.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Maximum Number of Pistons Allowed is 6.',
     _('Maximum Number of Pistons Allowed is 6.')),
    ('Your Precharge Pressure must be lower than your System Pressure. rnPlease reduce your Precharge Pressure below %s %s r^n',
     _('Your Precharge Pressure must be lower than your System Pressure.^nPlease reduce your Precharge Pressure below %s %s^n')),
    ('The Number of Pistons in Pump must be greater than 0',
     _('The Number of Pistons in Pump must be greater than 0')),
    ('The Pump Displacement must be larger than 0',
     _('The Pump Displacement must be larger than 0')),
    ('The Pump Speed must be larger than 0',
     _('The Pump Speed must be larger than 0'));

-- Tool: output of an existing accumulator.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Your Maximum Pressure must be lower than 5,000 psi',
     _('Your Maximum Pressure must be lower than 5,000 psi')),
    ('Your Minimum Pressure must be lower than 5,000 psi',
     _('Your Minimum Pressure must be lower than 5,000 psi')),
    ('Your Minimum Pressure must be lower than the Maximum Pressure',
     _('Your Minimum Pressure must be lower than the Maximum Pressure')),
    ('Your System Temperature must be greater than -45 degrees F and lower than 450 degrees F.',
     _('Your System Temperature must be greater than -45 degrees F and lower than 450 degrees F.')),
    ('This application does not require an accumulator',
     _('This application does not require an accumulator.')),
    -- Entries that the output would otherwise turn into "does not require an accumulator".
    ('Your Precharge Pressure must be larger than 0',
     _('Your Precharge Pressure must be larger than 0 psig.')),
    ('Your Accumulator Volume must be larger than 0',
     _('Your Accumulator Volume must be larger than 0.')),
    ('Your Discharge Time must be larger than 0',
     _('Your Discharge Time must be larger than 0 seconds.'));

-- Tool: effect of temperature on precharge.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Please enter your Beginning Temperature.',
     _('Please enter your Beginning Temperature.')),
    ('Your Beginning Temperature must be greater than -100 degrees F and lower than 2,000 degrees F.',
     _('Your Beginning Temperature must be greater than -100 degrees F and lower than 2,000 degrees F.')),
    ('Your Final Temperature must be greater than -100 degrees F and lower than 2,000 degrees F.',
     _('Your Final Temperature must be greater than -100 degrees F and lower than 2,000 degrees F.')),
    ('Please enter your Final Temperature.',
     _('Please enter your Final Temperature.')),
    ('Your Beginning Pressure must be greater than 14.7 psi and lower than 5,000 psi',
     _('Your Beginning Pressure must be greater than 14.7 psi and lower than 5,000 psi')),
    ('Your Final Pressure must be greater than 14.7 psi and lower than 5,000 psi',
     _('Your Final Pressure must be greater than 14.7 psi and lower than 5,000 psi'));

-- Choose model: the port flow note under the model grid.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('MSG_FLOWRATE_NEED_OVERSIZE_PORTS',
     _('The required flow rate needs oversize ports. The details step offers the hydraulic ports that are large enough for this flow.')),
    ('MSG_FLOWRATE_STANDARD_ACCEPTABLE',
     _('Standard ports are acceptable for the required flow rate.')),
    ('MSG_FLOWRATE_NOT_CALCULATED',
     _('The flow rate was not calculated for this application; check the port size against your flow.'));

-- Seals and fluid compatibility.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Please enter you maximum temperature.',
     _('Please enter your maximum temperature.')),
    ('Please enter you minimum temperature.',
     _('Please enter your minimum temperature.')),
    ('The Maximum Temperature must be higher than the Minimum Temperature',
     _('The Maximum Temperature must be higher than the Minimum Temperature')),
    ('Seal class and temperature are compatible',
     _('The seal classes listed are compatible with the fluid and the temperature range.')),
    ('Seal class are compatible but not the temperature',
     _('The seal classes listed are compatible with the fluid, but not with the temperature range.')),
    ('Seal class and temperature are not compatible',
     _('No seal class is compatible with this fluid and temperature range.')),
    ('You must push the search button first, then select from the seal list.',
     _('You must push the search button first, then select from the seal list.')),
    ('Please make a selection from the list',
     _('Please make a selection from the list.'));

-- Gas bottle selection.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Please make a selection from the pressure list',
     _('Please make a selection from the pressure list.')),
    ('Please make a selection from the Gass Bottle list',
     _('Please make a selection from the Gas Bottle list.'));

-- Reservoir isolators: required capacities and fluid levels.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Your combined capacitiy must be larger than 0.',
     _('Your combined capacity must be larger than 0.')),
    ('Your combined capacitiy exceeds the capacity of products represented in Tesmara.',
     _('Your combined capacity exceeds the capacity of products represented in Tesmara.')),
    ('Please either lower your required capacity ',
     _('Please either lower your required capacity ')),
    -- The fluid-level refusal: no combined capacity was entered on that path, so its own words.
    ('Your combined capacitiy exceeds the capacity of products represented in Tesmara. Please either lower your required capacity',
     _('The volume between your high and low fluid levels exceeds the capacity of products represented in Tesmara. Please either bring the fluid levels closer together ')),
    ('Your High Fluid Level must be larger than 0',
     _('Your High Fluid Level must be larger than 0')),
    ('Please enter all data.',
     _('Please enter all data.')),
    ('Your Low Fluid Level must be lower than your High Fluid Level.',
     _('Your Low Fluid Level must be lower than your High Fluid Level.')),
    ('Your Reservoir Width must be larger than 0',
     _('Your Reservoir Width must be larger than 0')),
    ('Your Reservoir Length must be larger than 0',
     _('Your Reservoir Length must be larger than 0'));

-- Accessories.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Please make a selection from the size list',
     _('Please make a selection from the size list.'));

-- Selection report: each product's safety warning (an empty text prints none).
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('selection report warning, gas bottle',
     _('Read the Dalrow accumulator safety guide before installing, charging or servicing this gas bottle. Charge it with dry nitrogen only; never use oxygen or compressed air. Never exceed the rated maximum pressure marked on the gas bottle. Release the gas charge, and the pressure of the accumulator it serves, before removing any part. Installation, charging and maintenance must be done by qualified personnel only.')),
    ('selection report warning, reservoir isolator',
     _('Install the reservoir isolator as its installation instructions describe. The reservoir must not be pressurized: the isolator works at atmospheric pressure and its breather must stay open and clean. Installation and maintenance must be done by qualified personnel only.')),
    ('selection report warning, accessory',
     _('Read the Dalrow accumulator safety guide before fitting this accessory. Release all fluid pressure and the gas precharge of the accumulator before fitting or removing it, and use it only within the ratings marked on it and on the accumulator. Installation must be done by qualified personnel only.')),
    ('selection report warning, repair kit',
     _('Read the Dalrow accumulator safety guide and the instructions of the kit before servicing the accumulator. Release all fluid pressure and the gas precharge before taking the accumulator apart, and precharge it again with dry nitrogen only. Repairs must be done by qualified personnel only.')),
    ('selection report warning, transfer barrier',
     _('Read the Dalrow safety guide before installing or servicing this transfer barrier. Never exceed the rated maximum pressure marked on it. Release the pressure on both sides of the bladder before removing any part. Installation and maintenance must be done by qualified personnel only.')),
    ('selection report warning',
     _('Read the Dalrow accumulator safety guide before installing, charging or servicing this accumulator. Precharge with dry nitrogen only; never use oxygen or compressed air. Never exceed the rated maximum pressure marked on the accumulator. Release all fluid pressure and the gas precharge before removing any part. Installation, charging and maintenance must be done by qualified personnel only. This selection rests on the data you entered; check it against the conditions of your system.'));

-- Ranges of the entries beyond the dialogs' own checks: times no sizing can take, and an event
-- before the cycle.
INSERT INTO Messages (MsgKey, MsgText) VALUES
    ('Your Actuation Time must not be longer than %s %s r^n',
     _('Your Actuation Time must not be longer than %s %s.^n')),
    ('Your Dwell Time must not be longer than %s %s r^n',
     _('Your Dwell Time must not be longer than %s %s.^n')),
    ('The Time to Hold Pressure must not be longer than %s %s r^n',
     _('The Time to Hold Pressure must not be longer than %s %s.^n')),
    ('The Response Time must not be longer than %s %s r^n',
     _('The Response Time must not be longer than %s %s.^n')),
    ('Your Total Duration of Cycle must not be longer than %s %s r^n',
     _('Your Total Duration of Cycle must not be longer than %s %s.^n')),
    ('Your Event Start Time must not be negative.',
     _('Your Event Start Time must not be negative.')),
    ('Your Discharge Time must not be longer than %s %s r^n',
     _('Your Discharge Time must not be longer than %s %s.^n'));

-- Numbered catalogue warnings, looked up by integer key.
INSERT INTO MessagesInt (MsgId, WarningText) VALUES
    (1001, _('Piston accumulators: the usable fluid volume is limited by the piston stroke; do not size beyond the stroke of the chosen bore and capacity.')),
    (1002, _('Seal and bladder ratings are reduced above 250 deg F; consult your Dalrow Representative before operating above this temperature.')),
    (1003, _('Precharge with dry nitrogen only. Never use oxygen or compressed air.')),
    (1004, _('Tighten port fittings to the torque given in the installation instructions; over-tightening can damage the port threads.')),
    (1005, _('Mount the accumulator vertically with the gas end up wherever possible; other positions can shorten the life of the seals or the bladder.'));
