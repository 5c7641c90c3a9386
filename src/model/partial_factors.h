// Multiplying the partial safety factors of the current method family into the live model, in
// place, for a design copy (see design_copy.h). Each routine expects a fresh ModelSnapshot: the
// residual water level is computed from the snapshot's point coordinates.
#pragma once

namespace selvana {

// Rows of PartialFactors.Factor and what they multiply.
enum PartialFactorRow : int {
  kFactorForce1 = 0,            // horizontal forces 1..3: rows 0, 1, 2
  kFactorSurcharge1 = 3,        // surcharge intensities 1..3: rows 3, 4, 5
  kFactorResidualWater = 6,     // Y of the end points of every residual-water line
  kFactorFriction = 7,          // tan φ of every block
  kFactorCohesion = 8,          // CohesionGradient and Cohesion of every block
  kFactorStructural = 9,        // structural analysis factor: never multiplied into the model
  kFactorPileShear = 10,        // SheetPileSettings.AllowableShear
  kFactorPilePressure = 11,     // SheetPileSettings.Intensity of the used rows
  kFactorStructureWeight = 12,  // unit weights of structure blocks
  kFactorSoilClass1 = 13,       // soil unit weights, FactorClass 1
  kFactorSoilClass2 = 14,       // soil unit weights, FactorClass 2
  kFactorSoilOther = 15,        // soil unit weights, any other FactorClass
  kFactorSurchargeWidth1 = 16,  // surcharge widths 1..3: rows 16, 17, 18
};

// Dispatches on cm.kt to the family routine (0/1 Fellenius, 2/4 Bishop, 3/5 straight); any
// other code changes nothing. Returns 0.
int ApplyPartialFactors();

// Each returns 1 and changes nothing when cm.kt is not of its family or PartialFactors.Enabled
// is 0; otherwise applies its factors, leaves the live PartialFactors at Enabled 0 with every
// factor 1.0 (so a second application changes nothing) and returns 0.
// Fellenius (methods 0, 1): forces, surcharges, surcharge widths about the Fellenius pass point,
// sheet-pile shear and pressure, blocks (factor on the total unit weight), residual water.
int ApplyPartialFactorsFellenius();
// Bishop (methods 2, 4): as Fellenius with the Bishop pass point, without the sheet pile, and
// with the soil factor on the effective unit weight.
int ApplyPartialFactorsBishop();
// Straight lines (methods 3, 5): forces, surcharges, blocks as Fellenius, residual water.
int ApplyPartialFactorsStraight();

}  // namespace selvana
