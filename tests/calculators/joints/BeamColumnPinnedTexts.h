#pragma once
// Report texts of the pinned joint shared by the calculation, dialog and runner tests.

#include <string>

namespace ferrolab::test {

// Worked by hand: e = 45, M = 2.25; Σr² = 2·26² = 1352, NxM = 2250·26/1352 = 43.27,
// NyV = 25, Nmax = 49.97 > Nvb = 0.9·0.45·80 = 32.40; he = 4.2, lw = 163:
// σM = 13.5e6/(8.4·163²) = 60.49, τV = 50000/(8.4·163) = 36.52, τCom = 70.66;
// plate 8 x 175: σM = 13.5e6/(8·175²) = 55.10, τV = 35.71, σeq = sqrt(55.10² + 3·35.71²) = 82.84.
inline const std::string kDefaultReport =
    "--偏心弯矩 M=V*e =2.25kN*m--\r\n"
    "\r\n-----与梁腹板相连的螺栓验算----\r\n"
    "  Σri^2 = Σxi^2 +Σyi^2=\r\n1352.00+0.00=1352.00mm2 \r\n"
    "  Nmax = sqr((Nx_M + Nx_N)^2 + (Ny_M + Ny_V)^2) =49.97kN\r\n"
    "\r\n 一个高强螺栓的单面抗剪承载力 Nvb:32.40kN \r\n"
    "\r\n!!******与梁腹板相连的螺栓群中，受力最大的螺栓的剪力大于一个高强螺栓的抗剪承载力，"
    "请自己想想办法吧******\r\n"
    "\r\n------焊缝验算-------\r\n 按规范7.1.3条，取 lw = hp-2*hf,"
    "\r\n σ_N =N/(2*he*lw) =0.00N/mm2"
    "\r\n σ_M =6*M*1.e6/(2*he*lw^2) =60.49N/mm2"
    "\r\n τ_V =Vy*1000./(2*he*lw) =36.52N/mm2"
    "\r\n 折算应力τ_Com =sqrt(((σ_N +σ_M)/β)^2 +τ_V^2) =70.66N/mm2  \r\n"
    "\r\n--------连接板毛截面验算--------\r\n σ_N =N/(tp*hp)= 0.00N/mm2"
    "\r\n σ_M =6*M*1.e6/(tp*hp^2)= 55.10N/mm2"
    "\r\n τ_V =Vy*1000./(tp*hp)= 35.71N/mm2"
    "\r\n 折算应力 σeq =sqrt((σ_N +σ_M)^2 +3*τ_V^2) = 82.84N/mm2";

} // namespace ferrolab::test
