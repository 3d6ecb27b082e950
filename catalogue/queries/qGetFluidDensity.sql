-- Fluids of the shock suppression dialog, with densities in lb/in3.
SELECT FluidName, FluidDensity FROM FluidDensities ORDER BY SortOrder
