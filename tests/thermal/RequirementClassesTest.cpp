#include "thermal/Inputs.h"
#include "thermal/RequirementClasses.h"

#include <gtest/gtest.h>

using namespace thermal;

namespace {
constexpr Surroundings indoors = Surroundings::Indoors;
constexpr Surroundings outdoors = Surroundings::Outdoors;
} // namespace

TEST(RequirementClasses, EquivalentDiameterOfEachObject)
{
    EXPECT_FLOAT_EQ(EquivalentDiameter(ObjectKind::Pipe, 60.3f, 315, 400, 300), 0.0603f);
    EXPECT_FLOAT_EQ(EquivalentDiameter(ObjectKind::CircularDuct, 60.3f, 315, 400, 300), 0.315f);
    // The perimeter over π with π = 3.1415: 2·(400 + 300)/3.1415/1000 = 0.445647
    EXPECT_NEAR(EquivalentDiameter(ObjectKind::RectangularDuctOutside, 60.3f, 315, 400, 300), 0.445647, 1e-6);
    EXPECT_NEAR(EquivalentDiameter(ObjectKind::RectangularDuctInside, 60.3f, 315, 400, 300), 0.445647, 1e-6);
    for (ObjectKind objectKind : {ObjectKind::SurfaceOutside, ObjectKind::SurfaceInside, ObjectKind::Tank})
        EXPECT_EQ(EquivalentDiameter(objectKind, 60.3f, 315, 400, 300), -1.0f) << int(objectKind);
}

TEST(RequirementClasses, ClassSixUValueJumpsAtPointFourMetres)
{
    // 0.8·0.4 + 0.12
    EXPECT_FLOAT_EQ(RequirementUValue(0.4f), 0.44f);
    // 3.1415·0.4001·0.22 = 0.276521: the rule is not continuous.
    EXPECT_NEAR(RequirementUValue(0.4001f), 0.276521, 1e-6);
    // 0.8·0.0603 + 0.12
    EXPECT_NEAR(RequirementUValue(0.0603f), 0.16824, 1e-6);
    EXPECT_FLOAT_EQ(RequirementUValue(-1), 0.22f);
    EXPECT_FLOAT_EQ(RequirementUValue(0), 0.22f);

    EXPECT_EQ(RequirementUValueText(0.4f), "0.44 W/mK");
    EXPECT_EQ(RequirementUValueText(0.4001f), "0.28 W/mK");
    // 3.1415·0.445647·0.22 = 0.30800
    EXPECT_EQ(RequirementUValueText(0.445647f), "0.31 W/mK");
    EXPECT_EQ(RequirementUValueText(-1), "0.22 W/m²K");
}

TEST(RequirementClasses, AllowedHeatLossOfEachClass)
{
    struct Row {
        int classIndex;
        double pipe, duct, surface;
    };
    // ΔT = 50 K, D = 0.1 m: pipe 50·(slope·0.1 + offset), e.g. class 1: 50·(0.33 + 0.22);
    // duct class 1: 50·(0.153 + 0.46); surfaces 50·U.
    const Row rows[] = {
        {0, 27.5, 30.65, 58.5},  {1, 23.0, 19.3, 44.0}, {2, 19.0, 14.25, 33.0}, {3, 15.5, 11.35, 24.5},
        {4, 12.5, 9.25, 17.5},   {5, 10.0, 7.85, 11.0}, {6, 9.0, 9.0, 10.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.classIndex);
        EXPECT_NEAR(ClassHeatLoss(row.classIndex, ObjectKind::Pipe, 0.1f, 70, 20, false, indoors), row.pipe, 1e-4);
        for (ObjectKind duct :
             {ObjectKind::CircularDuct, ObjectKind::RectangularDuctOutside, ObjectKind::RectangularDuctInside})
            EXPECT_NEAR(ClassHeatLoss(row.classIndex, duct, 0.1f, 70, 20, false, indoors), row.duct, 1e-4);
        for (ObjectKind plane : {ObjectKind::SurfaceOutside, ObjectKind::SurfaceInside})
            EXPECT_NEAR(ClassHeatLoss(row.classIndex, plane, -1, 70, 20, false, indoors), row.surface, 1e-4);
        // A cold medium: the same magnitude, drawn in.
        EXPECT_NEAR(ClassHeatLoss(row.classIndex, ObjectKind::Pipe, 0.1f, -30, 20, false, indoors), -row.pipe, 1e-4);
    }
}

TEST(RequirementClasses, SupportsLowerTheAllowedHeatLoss)
{
    // Class 6 pipe, 10 W/m: outdoors 0.8·10, otherwise 0.866·10.
    EXPECT_NEAR(ClassHeatLoss(5, ObjectKind::Pipe, 0.1f, 70, 20, true, outdoors), 8.0, 1e-5);
    EXPECT_NEAR(ClassHeatLoss(5, ObjectKind::Pipe, 0.1f, 70, 20, true, indoors), 8.66, 1e-5);
    EXPECT_NEAR(ClassHeatLoss(5, ObjectKind::Pipe, 0.1f, 70, 20, true, Surroundings::GivenCoefficient), 8.66, 1e-5);
    EXPECT_NEAR(ClassHeatLoss(5, ObjectKind::Pipe, 0.1f, -30, 20, true, outdoors), -8.0, 1e-5);
    // Supports belong to pipes and ducts insulated outside only, as the heat flow's factor does.
    EXPECT_NEAR(ClassHeatLoss(5, ObjectKind::RectangularDuctInside, 0.1f, 70, 20, true, outdoors), 7.85, 1e-5);
    EXPECT_NEAR(ClassHeatLoss(5, ObjectKind::SurfaceOutside, -1, 70, 20, true, outdoors), 11.0, 1e-5);
    // A class index from outside the list takes the nearest class.
    EXPECT_NEAR(ClassHeatLoss(9, ObjectKind::Pipe, 0.1f, 70, 20, false, indoors), 9.0, 1e-5);
    EXPECT_NEAR(ClassHeatLoss(-1, ObjectKind::Pipe, 0.1f, 70, 20, false, indoors), 27.5, 1e-5);
}

TEST(RequirementClasses, DegreeHoursChooseTheClass)
{
    struct Row {
        float hours;
        int insulationClass;
        double pipe;    // ΔT 10, D 0.1: 10·U of class index n − 1
        double surface; // 10·U
    };
    // ΔT = 10 K and spill factor 1: degree-hours 10·hours. Each limit belongs to the class above it.
    const Row rows[] = {
        {1939, 0, 0, 0},         {1940, 1, 5.5, 11.7},   {4699, 1, 5.5, 11.7},   {4700, 2, 4.6, 8.8},
        {9700, 3, 3.8, 6.6},     {19400, 4, 3.1, 4.9},   {38900, 5, 2.5, 3.5},   {77799, 5, 2.5, 3.5},
        {77800, 6, 2.0, 2.2},    {500000, 6, 2.0, 2.2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.hours);
        const ClassRequirement pipe = RequiredClassHeatLoss(ObjectKind::Pipe, 0.1f, 30, 20, row.hours, 1.0f);
        EXPECT_EQ(pipe.insulationClass, row.insulationClass);
        EXPECT_NEAR(pipe.allowedHeatLoss, row.pipe, 1e-5);
        const ClassRequirement plane = RequiredClassHeatLoss(ObjectKind::SurfaceOutside, -1, 30, 20, row.hours, 1.0f);
        EXPECT_EQ(plane.insulationClass, row.insulationClass);
        EXPECT_NEAR(plane.allowedHeatLoss, row.surface, 1e-5);
    }
    // Exactly 19400 degree-hours is class 1, from the spill factor as well: 20·1940·0.5.
    EXPECT_EQ(RequiredClassHeatLoss(ObjectKind::Pipe, 0.1f, 40, 20, 1940, 0.5f).insulationClass, 1);
    EXPECT_EQ(RequiredClassHeatLoss(ObjectKind::Pipe, 0.1f, 40, 20, 1940, 0.4999f).insulationClass, 0);
    // Ducts take the pipe rule here: class 6 of a Ø 315 duct, 10·(0.8·0.315 + 0.12) = 3.72.
    EXPECT_NEAR(RequiredClassHeatLoss(ObjectKind::CircularDuct, 0.315f, 30, 20, 77800, 1.0f).allowedHeatLoss, 3.72,
                1e-5);
    // A cold medium: negative, no supports correction.
    // 10 K·8760 h = 87600: class 2, −10·(2.6·0.1 + 0.2).
    const ClassRequirement cold = RequiredClassHeatLoss(ObjectKind::Pipe, 0.1f, 10, 20, 8760, 1.0f);
    EXPECT_EQ(cold.insulationClass, 2);
    EXPECT_NEAR(cold.allowedHeatLoss, -4.6, 1e-5);
}
