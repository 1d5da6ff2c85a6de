// The named properties: coordinates, flags, weights and the auxiliary scratch values.
#pragma once

#include "properties/primitive.h"

namespace nx {

namespace names {
inline constexpr char X[] = "X";
inline constexpr char Y[] = "Y";
inline constexpr char Z[] = "Z";
inline constexpr char Weight[] = "Weight";
inline constexpr char Fading[] = "Fading";
inline constexpr char I1[] = "_I1";
inline constexpr char I2[] = "_I2";
inline constexpr char I3[] = "_I3";
inline constexpr char Selected[] = "Selected";
inline constexpr char Visited[] = "Visited";
inline constexpr char Unfaded[] = "Unfaded";
inline constexpr char V1[] = "_V1";
inline constexpr char R1[] = "_R1";
inline constexpr char R2[] = "_R2";
inline constexpr char R3[] = "_R3";
}  // namespace names

using PropertyTemplate::Named;

#define NX_NAMED_PROPERTY(Class, Base, TypeName, Default, Aux)      \
    class Class : public Named<Class, Base, names::TypeName, Aux> { \
    public:                                                         \
        Class() : Named(Default) {}                                 \
        explicit Class(value_type v) : Named(v) {}                  \
    }

NX_NAMED_PROPERTY(X, PropertyTemplate::Int, X, 50, false);
NX_NAMED_PROPERTY(Y, PropertyTemplate::Int, Y, 50, false);
NX_NAMED_PROPERTY(Z, PropertyTemplate::Int, Z, 0, false);
NX_NAMED_PROPERTY(Weight, PropertyTemplate::Int, Weight, 1, false);
NX_NAMED_PROPERTY(Fading, PropertyTemplate::Int, Fading, 0, false);
NX_NAMED_PROPERTY(AuxInt1, PropertyTemplate::Int, I1, 0, true);
NX_NAMED_PROPERTY(AuxInt2, PropertyTemplate::Int, I2, 0, true);
NX_NAMED_PROPERTY(AuxInt3, PropertyTemplate::Int, I3, 0, true);
NX_NAMED_PROPERTY(Selected, PropertyTemplate::Bool, Selected, false, false);
NX_NAMED_PROPERTY(Visited, PropertyTemplate::Bool, Visited, false, false);
NX_NAMED_PROPERTY(Unfaded, PropertyTemplate::Bool, Unfaded, false, false);
NX_NAMED_PROPERTY(AuxFlag1, Visited, V1, false, true);
NX_NAMED_PROPERTY(AuxReal1, PropertyTemplate::Real, R1, 0.0, true);
NX_NAMED_PROPERTY(AuxReal2, PropertyTemplate::Real, R2, 0.0, true);
NX_NAMED_PROPERTY(AuxReal3, PropertyTemplate::Real, R3, 0.0, true);

#undef NX_NAMED_PROPERTY

}  // namespace nx
