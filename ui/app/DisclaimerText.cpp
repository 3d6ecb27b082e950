// The text of the start-up disclaimer.
#include "app/DisclaimerDialog.h"

QString CDisclaimerDialog::DisclaimerText()
{
    return QStringLiteral(R"(
<h3>Before you use this program</h3>
<p>This program helps engineers size hydraulic accumulators and choose models and options from the
Dalrow Mestlin accumulator catalogue. Its results are estimates made from the values you enter and from
idealised gas behaviour. They are a starting point for your own engineering work, not a substitute for it.</p>

<h3>Your responsibility</h3>
<p>You, the user, are solely responsible for the final selection of the accumulator, its gas bottles,
seals, ports, fittings and accessories, and for making sure that every component is suitable for your
application. Check at least:</p>
<ul>
<li>the maximum system pressure, including pressure peaks, against the rated pressure of every component;</li>
<li>the lowest and highest fluid and ambient temperatures against the seal and shell materials;</li>
<li>the compatibility of the hydraulic fluid with the seals and the bladder or diaphragm material;</li>
<li>the precharge pressure at the working temperature, and how it changes with temperature;</li>
<li>the flow through the hydraulic port against the port's rated flow;</li>
<li>the regulations for pressure equipment that apply where the accumulator is installed.</li>
</ul>

<h3>Gas and pressure</h3>
<p>Precharge accumulators with dry nitrogen only. Never use oxygen or compressed air: they can cause an
explosion. An accumulator stores energy even when the system is switched off. Before any work on the
hydraulic circuit, discharge the fluid side of the accumulator and isolate it from the pump. Only trained
persons with suitable charging and gauging equipment may charge, check or release the gas precharge.</p>

<h3>Installation and maintenance</h3>
<p>Mount accumulators securely so that neither vibration nor the reaction to a sudden discharge can move
them. Protect them from heat sources, impact and corrosion. Do not weld, machine or otherwise modify the
shell. Check the precharge at regular intervals and follow the maintenance instructions supplied with
each product.</p>

<h3>Data and changes</h3>
<p>Catalogue data, ratings and dimensions may change without notice. Confirm the details of a model with
your Dalrow Mestlin representative before ordering, and use the certified drawing, not the drawing produced
by this program, for the final design of your installation.</p>

<h3>Limitation of liability</h3>
<p>The program and its results are provided as they are, without warranty of any kind. To the extent
permitted by law, Dalrow Mestlin accepts no liability for any loss or damage arising from the use of this
program or from reliance on its results.</p>

<p>By choosing <b>Accept</b> you confirm that you have read and understood this notice. If you choose
<b>Decline</b>, the program ends.</p>
)");
}
