#!/usr/bin/env python3
"""Writes the example Touchstone files in data/examples/ from simple circuit models.

    python3 scripts/make-examples.py [OUTPUT_DIR]

dipole-40m.s1p: a half-wave dipole for 40 m as a series R L C circuit whose
resistance (radiation resistance, scaled with the square of the frequency, plus
a loss resistance) is about 73.5 ohm at its resonance, 7.1 MHz.

tuner-t-network.s2p: a C-L-C T-network tuner (port 1 towards the transceiver,
port 2 towards the antenna) that matches that dipole to 50 ohm at 7.1 MHz,
with lossy parts: coil Q 100, capacitor Q 1000.

Both cover 6.8 to 7.4 MHz in 201 points. Standard library only.
"""

import cmath
import math
import pathlib
import sys

F0_HZ = 7.1e6
POINTS = 201
START_HZ, STOP_HZ = 6.8e6, 7.4e6
Z0 = 50.0

# The dipole: R L C in series, with a radiation Q of 12 at resonance.
RADIATION_OHM = 72.0
LOSS_OHM = 1.5
DIPOLE_Q = 12.0
DIPOLE_L = DIPOLE_Q * RADIATION_OHM / (2 * math.pi * F0_HZ)
DIPOLE_C = 1 / ((2 * math.pi * F0_HZ) ** 2 * DIPOLE_L)

# The tuner: series C1 (transceiver side), shunt L, series C2 (antenna side),
# designed through a virtual resistance of 1000 ohm and rounded.
C1 = 103e-12
L_SHUNT = 2.83e-6
C2 = 86e-12
COIL_Q = 100.0
CAPACITOR_Q = 1000.0


def frequencies():
    step = (STOP_HZ - START_HZ) / (POINTS - 1)
    return [START_HZ + i * step for i in range(POINTS)]


def dipole_impedance(f):
    w = 2 * math.pi * f
    resistance = RADIATION_OHM * (f / F0_HZ) ** 2 + LOSS_OHM
    return complex(resistance, w * DIPOLE_L - 1 / (w * DIPOLE_C))


def capacitor(c, f):
    x = -1 / (2 * math.pi * f * c)
    return complex(abs(x) / CAPACITOR_Q, x)


def coil(l, f):
    x = 2 * math.pi * f * l
    return complex(x / COIL_Q, x)


def tuner_s(f):
    """S11, S21, S12, S22 on Z0 from the chain (ABCD) matrix."""
    z1, z2 = capacitor(C1, f), capacitor(C2, f)
    y = 1 / coil(L_SHUNT, f)
    # [[1, z1], [0, 1]] [[1, 0], [y, 1]] [[1, z2], [0, 1]]
    a = 1 + z1 * y
    b = z2 * (1 + z1 * y) + z1
    c = y
    d = y * z2 + 1
    denominator = a + b / Z0 + c * Z0 + d
    s11 = (a + b / Z0 - c * Z0 - d) / denominator
    s21 = 2 / denominator
    s12 = 2 * (a * d - b * c) / denominator
    s22 = (-a + b / Z0 - c * Z0 + d) / denominator
    return s11, s21, s12, s22


def tuner_loss_db(f):
    """The tuner's insertion loss with the dipole on port 2: power into port 1 over power out of port 2."""
    s11, s21, s12, s22 = tuner_s(f)
    gamma = (dipole_impedance(f) - Z0) / (dipole_impedance(f) + Z0)
    b2 = s21 / (1 - s22 * gamma)
    b1 = s11 + s12 * gamma * b2
    delivered = abs(b2) ** 2 * (1 - abs(gamma) ** 2)
    return 10 * math.log10((1 - abs(b1) ** 2) / delivered)


def number(x):
    return f"{x:.9g}"


def write_dipole(path):
    lines = [
        "! 40 m half-wave dipole, computed by scripts/make-examples.py (not measured):",
        f"! series R L C, R = {RADIATION_OHM:g} ohm * (f / 7.1 MHz)^2 + {LOSS_OHM:g} ohm loss,",
        f"! L = {DIPOLE_L * 1e6:.4f} uH, C = {DIPOLE_C * 1e12:.4f} pF (resonant at 7.1 MHz)",
        "# MHz S RI R 50",
        "! freq/MHz  re(S11)  im(S11)",
    ]
    for f in frequencies():
        gamma = (dipole_impedance(f) - Z0) / (dipole_impedance(f) + Z0)
        lines.append(f"{f / 1e6:.3f} {number(gamma.real)} {number(gamma.imag)}")
    path.write_text("\n".join(lines) + "\n")


def write_tuner(path):
    lines = [
        "! T-network antenna tuner, computed by scripts/make-examples.py (not measured):",
        f"! series C1 = {C1 * 1e12:g} pF (port 1, transceiver), shunt L = {L_SHUNT * 1e6:g} uH,",
        f"! series C2 = {C2 * 1e12:g} pF (port 2, antenna); coil Q {COIL_Q:g}, capacitor Q {CAPACITOR_Q:g}.",
        f"! With dipole-40m.s1p on port 2 it loses {tuner_loss_db(F0_HZ):.2f} dB at 7.1 MHz.",
        "# MHz S MA R 50",
        "! freq/MHz  |S11| ang(S11)  |S21| ang(S21)  |S12| ang(S12)  |S22| ang(S22)",
    ]
    for f in frequencies():
        fields = [f"{f / 1e6:.3f}"]
        for s in tuner_s(f):
            fields += [number(abs(s)), number(math.degrees(cmath.phase(s)))]
        lines.append(" ".join(fields))
    path.write_text("\n".join(lines) + "\n")


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "data/examples")
    out.mkdir(parents=True, exist_ok=True)
    write_dipole(out / "dipole-40m.s1p")
    write_tuner(out / "tuner-t-network.s2p")
    gamma = (dipole_impedance(F0_HZ) - Z0) / (dipole_impedance(F0_HZ) + Z0)
    s11 = tuner_s(F0_HZ)[0]
    print(f"dipole at 7.1 MHz: Z = {dipole_impedance(F0_HZ):.2f} ohm, |S11| = {abs(gamma):.3f}")
    print(f"tuner at 7.1 MHz: loss {tuner_loss_db(F0_HZ):.3f} dB, |S11| alone {abs(s11):.3f}")


if __name__ == "__main__":
    main()
