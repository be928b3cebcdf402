<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Guide</name>
    <message>
        <source># Справка Veltrum {#top}</source>
        <translation># Veltrum Help {#top}</translation>
    </message>
    <message>
        <source>Veltrum — учебная модель модуляционного (переключаемого) радиометра: пассивного приёмника СВЧ, который с самолёта смотрит вниз и измеряет тепловое радиоизлучение земли. Окно показывает приёмник блок за блоком: что делает каждый блок с сигналом, как из шума получается измерение и что ограничивает его точность.</source>
        <translation>Veltrum is a teaching model of a modulation (switched, Dicke) radiometer: a passive microwave receiver that looks down from an aircraft and measures the thermal radio emission of the ground. The window shows the receiver block by block: what each block does to the signal, how a measurement comes out of noise, and what limits its accuracy.</translation>
    </message>
    <message>
        <source>Разделы: [Что моделируется](#model) · [Окно](#window) · [Блоки приёмника](#blocks) · [Сумматор и уравнение радиометра](#summator) · [Малоразмерная цель](#point-target) · [Инструменты лабораторной работы](#tools) · [Клавиатура](#keyboard) · [Язык](#language)</source>
        <translation>Contents: [What is modelled](#model) · [The window](#window) · [The receiver&apos;s blocks](#blocks) · [The summator and the radiometer equation](#summator) · [Point target](#point-target) · [Lab tools](#tools) · [Keyboard](#keyboard) · [Language](#language)</translation>
    </message>
    <message>
        <source>## Что моделируется {#model}</source>
        <translation>## What is modelled {#model}</translation>
    </message>
    <message>
        <source>Любое тело излучает тепловой шум. Антенна радиометра принимает его и отдаёт приёмнику шум, мощность которого пропорциональна антенной температуре Ta. Но приёмник шумит и сам, а его усиление дрейфует: слабую разницу температур в несколько кельвинов не видно на фоне шума в сотни кельвинов.</source>
        <translation>Every body emits thermal noise. The radiometer&apos;s antenna receives it and passes the receiver a noise whose power is proportional to the antenna temperature Ta. But the receiver is noisy itself, and its gain drifts: a difference of a few kelvins is lost in a noise of hundreds of kelvins.</translation>
    </message>
    <message>
        <source>Модуляционный радиометр решает это переключением. Антенный переключатель с частотой 1 кГц подключает приёмник попеременно к антенне (первый вход) и к эталону (второй вход: шумовой эквивалент, фон или вторая цель). Собственный шум приёмника и его усиление одинаковы в обеих половинах периода, поэтому разность сигналов двух половин зависит только от разности температур входов Ta1 − Ta2. Сумматор накапливает эту разность за время накопления τ: чем оно больше, тем меньше разброс измерения.</source>
        <translation>A modulation radiometer gets round this by switching. At 1 kHz the antenna switch connects the receiver in turn to the antenna (the first input) and to a reference (the second input: the noise equivalent, the background or a second target). The receiver&apos;s own noise and its gain are the same in both halves of the period, so the difference between the signals of the two halves depends only on the difference of the input temperatures Ta1 − Ta2. The summator accumulates this difference over the accumulation time τ: the longer it is, the smaller the spread of the measurement.</translation>
    </message>
    <message>
        <source>Время в модели идёт отсчётами по 0,2 мкс (5 МГц). Период модуляции 1 мс — это 5000 отсчётов: отсчёты 1…2500 берутся с первого входа, 2501…5000 — со второго. Шум входов и приёмника — гауссов, со стандартным отклонением около 0,5; в каждом нажатии он новый, а после запуска программы последовательность шума всегда одна и та же, поэтому одинаковые нажатия дают одинаковые кривые.</source>
        <translation>Time in the model runs in samples of 0.2 µs (5 MHz). The modulation period of 1 ms is 5000 samples: samples 1…2500 come from the first input, 2501…5000 from the second. The noise of the inputs and of the receiver is Gaussian, with a standard deviation of about 0.5; every press draws fresh noise, and after the program starts the noise sequence is always the same, so the same presses draw the same curves.</translation>
    </message>
    <message>
        <source>## Окно {#window}</source>
        <translation>## The window {#window}</translation>
    </message>
    <message>
        <source>В поля вводятся параметры сцены и приёмника. Число можно писать с запятой или с точкой, с порядком или без (`0,1`, `0.1`, `2,5E3`). Если поле не число или приёмник не может работать с таким значением, сообщение называет поле, курсор встаёт в него, а рисунок и результаты остаются прежними.</source>
        <translation>The fields take the parameters of the scene and of the receiver. A number may be typed with a decimal comma or point, with or without an exponent (`0,1`, `0.1`, `2,5E3`). When a field is not a number, or the receiver cannot work with its value, a message names the field, the cursor goes to it, and the picture and the results stay as they were.</translation>
    </message>
    <message>
        <source>Рамка «Что наблюдаем» выбирает сцену:</source>
        <translation>The frame &quot;Observed scene&quot; chooses the scene:</translation>
    </message>
    <message>
        <source>| Сцена | Первый вход | Второй вход |
|---|---|---|
| Протяжённая цель | антенна на цели, заполняющей луч, T1 | шумовой эквивалент с температурой T2 |
| Малоразмерная цель | антенна на цели и фоне вокруг неё | антенна на одном фоне, T2 |
| Граница двух протяжённых целей | антенна на первой цели, T1 | антенна на второй цели, T2 |</source>
        <translation>| Scene | First input | Second input |
|---|---|---|
| Extended target | the antenna on a target filling the beam, T1 | the noise equivalent at the temperature T2 |
| Point target | the antenna on the target and the background around it | the antenna on the background alone, T2 |
| Boundary of two extended targets | the antenna on the first target, T1 | the antenna on the second target, T2 |</translation>
    </message>
    <message>
        <source>Антенная температура учитывает к. п. д. антенны η = 0,9 и её собственную температуру 300 К: Ta = 0,9·((1 − β)·T + β·Тяб) + 30 К. Флажок «Учесть боковые лепестки?» берёт долю β мощности, принятой боковыми лепестками, и их температуру Тяб в момент, когда его отмечают; пока он не отмечен, β = 0. В сцене протяжённой цели второй вход — шумовой эквивалент внутри приёмника, и его температура Ta2 = T2 без поправок.</source>
        <translation>The antenna temperature takes in the antenna efficiency η = 0.9 and the antenna&apos;s own temperature of 300 K: Ta = 0.9·((1 − β)·T + β·Tsl) + 30 K. The box &quot;Include side lobes?&quot; takes the share β of the power received through the side lobes and their temperature Tsl at the moment it is ticked; while it is not ticked, β = 0. In the extended-target scene the second input is the noise equivalent inside the receiver, and its temperature is Ta2 = T2 without corrections.</translation>
    </message>
    <message>
        <source>Каждая кнопка блока считает приёмник от антенны до этого блока заново, на свежем шуме, и рисует выход блока за два периода модуляции (10 000 отсчётов, 2 мс). Отсчёты, снятые с первого входа, рисуются цветом первого объекта, со второго — цветом второго (меню «Графика»). Пурпурная линия — уровень отсчёта.</source>
        <translation>Every block button computes the receiver from the antenna up to that block afresh, on fresh noise, and draws the block&apos;s output over two modulation periods (10 000 samples, 2 ms). Samples taken from the first input are drawn in the first object&apos;s colour, those from the second in the second object&apos;s colour (the &quot;Graphics&quot; menu). The magenta line is the reference level.</translation>
    </message>
    <message>
        <source>## Блоки приёмника {#blocks}</source>
        <translation>## The receiver&apos;s blocks {#blocks}</translation>
    </message>
    <message>
        <source>### Антенна и шумовой эквивалент {#inputs}</source>
        <translation>### Antenna and noise equivalent {#inputs}</translation>
    </message>
    <message>
        <source>Кнопки входов рисуют 2700 отсчётов шума одного входа: случайное число ξ, умноженное на температуру входа. Размах шума пропорционален температуре, среднее равно нулю. Рядом с кнопками — Ta1 и Ta2 в кельвинах; при значениях по умолчанию Ta1 = 0,9·304 + 30 = 303,6 К, Ta2 = 100 К.</source>
        <translation>The input buttons draw 2700 samples of the noise of one input: a random number ξ times the input&apos;s temperature. The amplitude of the noise is proportional to the temperature, its mean is zero. Beside the buttons stand Ta1 and Ta2 in kelvins; with the default values Ta1 = 0.9·304 + 30 = 303.6 K and Ta2 = 100 K.</translation>
    </message>
    <message>
        <source>### Модулятор {#modulator}</source>
        <translation>### Modulator {#modulator}</translation>
    </message>
    <message>
        <source>Меандр частотой Fмод = 1 кГц. Он управляет антенным переключателем и задаёт такт сумматору: сумматор складывает отсчёты двух половин периода отдельно, синхронно с модулятором. Модулятор не читает ни одного поля.</source>
        <translation>A square wave at Fmod = 1 kHz. It drives the antenna switch and clocks the summator: the summator adds up the samples of the two halves of the period separately, in step with the modulator. The modulator reads no field.</translation>
    </message>
    <message>
        <source>### Антенный переключатель (АП) {#switch}</source>
        <translation>### Antenna switch (SW) {#switch}</translation>
    </message>
    <message>
        <source>Первую половину каждого периода выход переключателя — шум первого входа, вторую — второго. По рисунку видно, что шум антенны и шум эквивалента различаются только размахом.</source>
        <translation>In the first half of every period the switch passes the noise of the first input, in the second half that of the second. The picture shows that the noise of the antenna and that of the equivalent differ only in amplitude.</translation>
    </message>
    <message>
        <source>### УВЧ {#uhf}</source>
        <translation>### RF amplifier {#uhf}</translation>
    </message>
    <message>
        <source>Усилитель высокой частоты усиливает сигнал в полосе Δf и добавляет собственный шум приёмника с температурой Tprm:</source>
        <translation>The radio-frequency amplifier amplifies the signal in the band Δf and adds the receiver&apos;s own noise at the temperature Tprm:</translation>
    </message>
    <message>
        <source>u = Kp·Δf·10⁻³·(x + Tprm·ξ1)·(1 + ΔKp/Kp·10⁻²·ξ2),</source>
        <translation>u = Kp·Δf·10⁻³·(x + Tprm·ξ1)·(1 + ΔKp/Kp·10⁻²·ξ2),</translation>
    </message>
    <message>
        <source>где x — отсчёт переключателя, ξ1 и ξ2 — независимые шумы. Последний множитель — нестабильность усиления: при ΔKp/Kp = 0 он равен единице. Шум приёмника одинаков в обеих половинах периода.</source>
        <translation>where x is the switch sample and ξ1 and ξ2 are independent noises. The last factor is the gain instability: at ΔKp/Kp = 0 it equals one. The receiver&apos;s noise is the same in both halves of the period.</translation>
    </message>
    <message>
        <source>### Квадратичный детектор (КДО) {#detector}</source>
        <translation>### Square-law detector (Det) {#detector}</translation>
    </message>
    <message>
        <source>### Фильтр однозвенный {#filter1}</source>
        <translation>### Single-section filter {#filter1}</translation>
    </message>
    <message>
        <source>Фильтр нижних частот первого порядка с частотой среза F1 сглаживает выход детектора:</source>
        <translation>A first-order low-pass filter with the cut-off frequency F1 smooths the detector output:</translation>
    </message>
    <message>
        <source>y[i + 1] = (1 − a)·y[i] + a·d[i],  a = 2π·F1·0,2 мкс.</source>
        <translation>y[i + 1] = (1 − a)·y[i] + a·d[i],  a = 2π·F1·0.2 µs.</translation>
    </message>
    <message>
        <source>При F1 = 9500 Гц a ≈ 0,0119, постоянная времени около 84 отсчётов: из шума проступают два уровня двух входов. Если a больше 2 (F1 больше 1,59 МГц), фильтр расходится.</source>
        <translation>At F1 = 9500 Hz a ≈ 0.0119, a time constant of about 84 samples: the two levels of the two inputs emerge from the noise. When a exceeds 2 (F1 above 1.59 MHz), the filter diverges.</translation>
    </message>
    <message>
        <source>### Разделительная ёмкость {#capacitor}</source>
        <translation>### Coupling capacitor {#capacitor}</translation>
    </message>
    <message>
        <source>Ёмкость не пропускает постоянную составляющую: из выхода фильтра вычитается его среднее за запись. Уровни двух входов становятся плюсом и минусом вокруг нуля, и дальше обрабатывается только их разность.</source>
        <translation>The capacitor blocks the constant component: the mean of the filter output over the record is subtracted from it. The levels of the two inputs become plus and minus about zero, and only their difference is processed further.</translation>
    </message>
    <message>
        <source>### Фильтр двухзвенный {#filter2}</source>
        <translation>### Two-section filter {#filter2}</translation>
    </message>
    <message>
        <source>Второй фильтр нижних частот, с частотой среза F2, ещё сглаживает сигнал перед АЦП:</source>
        <translation>The second low-pass filter, with the cut-off frequency F2, smooths the signal further before the ADC:</translation>
    </message>
    <message>
        <source>z[i + 2] = (1 − b + b²)·z[i + 1] + b·c[i],  b = 2π·F2·0,4 мкс.</source>
        <translation>z[i + 2] = (1 − b + b²)·z[i + 1] + b·c[i],  b = 2π·F2·0.4 µs.</translation>
    </message>
    <message>
        <source>При F2 = 7000 Гц b ≈ 0,0176, постоянная времени около 58 отсчётов.</source>
        <translation>At F2 = 7000 Hz b ≈ 0.0176, a time constant of about 58 samples.</translation>
    </message>
    <message>
        <source>### АЦП {#adc}</source>
        <translation>### ADC {#adc}</translation>
    </message>
    <message>
        <source>Аналого-цифровой преобразователь квантует сигнал n разрядами на его собственном размахе R (разности наибольшего и наименьшего значений): шаг равен R/2ⁿ, уровни отсчитываются от нуля. Чем меньше разрядов, тем заметнее ступеньки; при n = 12 шаг в 4096 раз меньше размаха.</source>
        <translation>The analogue-to-digital converter quantises the signal with n bits over the signal&apos;s own range R (the largest value minus the smallest): the step is R/2ⁿ, the levels are counted from zero. The fewer the bits, the more visible the steps; at n = 12 the step is 4096 times smaller than the range.</translation>
    </message>
    <message>
        <source>## Сумматор и уравнение радиометра {#summator}</source>
        <translation>## The summator and the radiometer equation {#summator}</translation>
    </message>
    <message>
        <source>«Сумматор» прогоняет весь приёмник по периоду 1 мс столько раз, сколько целых миллисекунд во времени накопления τ (поле «Время накопления»). В каждом периоде он складывает отсчёты АЦП первой половины (с 500-го отсчёта) и отдельно второй (с 3000-го), беря каждый s-й отсчёт; s задаёт частота дискретизации «Fдискретиз.»: 5 МГц — каждый отсчёт, 50 кГц — каждый сотый. Разность сумм, пересчитанная в кельвины, — отсчёт разности антенных температур за этот период.</source>
        <translation>&quot;Summator&quot; runs the whole receiver period by period, 1 ms each, as many times as the accumulation time τ has whole milliseconds (the field &quot;Accumulation time&quot;). In every period it adds up the ADC samples of the first half (from sample 500 on) and, separately, those of the second half (from sample 3000 on), taking every s-th sample; s is set by the sampling rate &quot;Fsampling&quot;: 5 MHz takes every sample, 50 kHz every hundredth. The difference of the sums, converted to kelvins, is the period&apos;s reading of the antenna temperature difference.</translation>
    </message>
    <message>
        <source>Рисунок показывает эффект накопления: бегущее среднее отсчётов первой половины последнего периода по числу сложенных отсчётов. С ростом их числа среднее успокаивается на пурпурной линии — окончательном значении.</source>
        <translation>The picture shows the effect of accumulation: the running mean of the samples of the first half of the last period against the number of samples added. As their number grows, the mean settles on the magenta line, the final value.</translation>
    </message>
    <message>
        <source>| Показание | Что это |
|---|---|
| Потенциальная чувствительность | уравнение радиометра δT = 2√2·Tsys/√(Δf·τ), Tsys = Tprm + 0,9·T1, Δf = 900 МГц |
| Реальная чувствительность | Tsys·σ/m: разброс σ среднего отсчёта по периодам, отнесённый к среднему m |
| Разность яркостных температур | \|T1 − T2\| |
| Разность антенных температур | \|Ta1 − Ta2\|, вычисленная по формуле антенной температуры |
| Измеренная разность антенных температур | m, среднее отсчётов за все периоды: сравните её с вычисленной |</source>
        <translation>| Reading | What it is |
|---|---|
| Potential sensitivity | the radiometer equation δT = 2√2·Tsys/√(Δf·τ), Tsys = Tprm + 0.9·T1, Δf = 900 MHz |
| Real sensitivity | Tsys·σ/m: the spread σ of the mean reading over the periods, relative to the mean m |
| Brightness temperature difference | \|T1 − T2\| |
| Antenna temperature difference | \|Ta1 − Ta2\|, computed by the antenna temperature formula |
| Measured antenna temperature difference | m, the mean of the readings over all periods: compare it with the computed one |</translation>
    </message>
    <message>
        <source>Уравнение радиометра говорит: чувствительность пропорциональна шумовой температуре системы и обратно пропорциональна корню из произведения полосы на время накопления. Удлинив накопление в 100 раз, разброс уменьшают в 10 раз. При значениях по умолчанию один период даёт примерно 195…220 К при вычисленных 203,6 К; с ростом τ измерение сходится к вычисленному. Реальная чувствительность больше потенциальной: фильтры, АЦП и сумматор используют не весь сигнал.</source>
        <translation>The radiometer equation says that the sensitivity is proportional to the system noise temperature and inversely proportional to the square root of the product of the bandwidth and the accumulation time. Accumulating 100 times longer makes the spread 10 times smaller. With the default values one period reads about 195…220 K against the computed 203.6 K; as τ grows, the measurement converges on the computed value. The real sensitivity is worse than the potential one: the filters, the ADC and the summator do not use all of the signal.</translation>
    </message>
    <message>
        <source>Долгое накопление (дольше полусекунды) показывает ход и его можно отменить; окно тогда остаётся прежним.</source>
        <translation>A long accumulation (over half a second) shows its progress and can be cancelled; the window then stays as it was.</translation>
    </message>
    <message>
        <source>## Малоразмерная цель {#point-target}</source>
        <translation>## Point target {#point-target}</translation>
    </message>
    <message>
        <source>## Инструменты лабораторной работы {#tools}</source>
        <translation>## Lab tools {#tools}</translation>
    </message>
    <message>
        <source>Контекстное меню рисунка (правая кнопка мыши):</source>
        <translation>The picture&apos;s context menu (the right mouse button):</translation>
    </message>
    <message>
        <source>Когда указатель мыши над рисунком, подсказка показывает координаты в единицах рисунка, а у блоков — значение отсчёта под указателем и его вход.</source>
        <translation>While the mouse pointer is over the picture, a tool tip shows the position in the picture&apos;s units and, for the blocks, the value of the sample under the pointer and its input.</translation>
    </message>
    <message>
        <source>## Клавиатура {#keyboard}</source>
        <translation>## Keyboard {#keyboard}</translation>
    </message>
    <message>
        <source>## Язык {#language}</source>
        <translation>## Language {#language}</translation>
    </message>
    <message>
        <source>Программа говорит по-русски. Чтобы открыть её по-английски, запустите `veltrum --lang en` (или задайте `VELTRUM_LANG=en`); выбор языка ключом `--lang` запоминается до следующего запуска, `veltrum --lang ru` возвращает русский. Числа пишутся по правилам языка рабочего стола. В браузере язык выбирается переключателем под окном или адресом страницы с `#lang=en`.</source>
        <translation>The program speaks Russian. To open it in English, start `veltrum --lang en` (or set `VELTRUM_LANG=en`); a language chosen with `--lang` is remembered for the next start, and `veltrum --lang ru` brings Russian back. Numbers follow the desktop&apos;s regional settings. In a browser the language is chosen with the switch under the window or with `#lang=en` in the page&apos;s address.</translation>
    </message>
    <message>
        <source>Детектор возводит выход УВЧ в квадрат и добавляет постоянные 200: d = u² + 200. Квадрат шума — его мощность. В модели размах шума пропорционален температуре, поэтому среднее на выходе детектора растёт с Ta² + Tprm², и уровни двух половин периода уже различаются.</source>
        <translation>The detector squares the RF amplifier output and adds a constant 200: d = u² + 200. The square of the noise is its power. In the model the amplitude of the noise is proportional to the temperature, so the mean at the detector output grows with Ta² + Tprm², and the levels of the two halves of the period already differ.</translation>
    </message>
    <message>
        <source>В сумматоре детектор берёт модуль выхода УВЧ, а не квадрат, и УВЧ усиливает с постоянным Kp = 4 (множитель 0,004·Δf; нестабильность ΔKp/Kp действует и здесь): на этом построена калибровка отсчёта в кельвинах.</source>
        <translation>In the summator the detector takes the magnitude of the RF amplifier output, not its square, and the amplifier works with a fixed Kp = 4 (the factor 0.004·Δf; the gain instability ΔKp/Kp acts here too): the calibration of the reading in kelvins rests on this.</translation>
    </message>
    <message>
        <source>В сцене «Малоразмерная цель» открываются поля высоты полёта H, площади цели S и частоты F. Каждое нажатие сначала находит, какую долю луча заполняет цель: телесный угол цели S/H², луча λ²/2. Если цель заполняет луч целиком, программа говорит об этом и считает её протяжённой. Иначе первый вход видит среднюю по лучу температуру цели и фона, а в углу рисунка появляется наибольшая дальность наблюдения цели Rmax при вероятности обнаружения 0,9. Она растёт с площадью цели, с разностью температур цели и фона и с произведением времени накопления на полосу.</source>
        <translation>In the scene &quot;Point target&quot; the fields of the flight height H, the target area S and the frequency F open. Every press first finds what share of the beam the target fills: the solid angle of the target is S/H², that of the beam λ²/2. When the target fills the whole beam, the program says so and treats it as an extended target. Otherwise the first input sees the temperature of the target and the background averaged over the beam, and the corner of the picture shows the maximum observation range Rmax of the target at a detection probability of 0.9. It grows with the target&apos;s area, with the temperature difference between the target and the background, and with the product of the accumulation time and the bandwidth.</translation>
    </message>
    <message>
        <source>- «Копировать» и «Сохранить как…» — рисунок в буфер обмена или в файл PNG.
- «Сохранить данные…» — числа, по которым нарисован рисунок, в файл CSV для электронной таблицы: у блока — отсчёты с номером и входом, у сумматора — отсчёт каждого периода и кривая накопления.
- «Опыт: чувствительность и время накопления…» — уравнение радиометра как опыт: для времён накопления от 2 до 1000 мс сумматор нажимается по нескольку раз, таблица и график сравнивают реальную чувствительность с потенциальной, а прямая, проведённая через точки от 10 мс, показывает наклон (по уравнению −1/2). Каждый запуск остаётся в таблице до «Очистить».
- «Открыть установку…» и «Сохранить установку…» — файл установки (`*.veltrum`): поля, сцена, боковые лепестки, частота дискретизации и цвета. Преподаватель раздаёт установки студентам; файл можно и перетащить на окно.
- «Отчёт…» и «Напечатать отчёт…» — отчёт о лабораторной работе в PDF или на принтер: установка, последние рисунки нажатых блоков с показаниями, показания сумматора с формулами и таблица опыта.
- «Таблица значений…» — те же числа, что у «Сохранить данные…», таблицей в окне: её читает и программа экранного доступа, клетку за клеткой стрелками.
- «Прослушать» (в браузере) — кривая рисунка звуком: за две секунды тон поднимается там, где кривая растёт, и опускается, где она падает.
- «Высокая контрастность» — все надписи темнее (контраст не меньше 4,5:1), кривые темнее (не меньше 3:1 к белому), кривая второго входа штриховая, чтобы её отличить не только по цвету. Выбор запоминается; он действует на окно, опыт и отчёт.
- «Справка» — эта справка.</source>
        <translation>- &quot;Copy&quot; and &quot;Save as…&quot;: the picture to the clipboard or to a PNG file.
- &quot;Save data…&quot;: the numbers the picture is drawn from, as a CSV file for a spreadsheet: for a block, the samples with their number and input; for the summator, the reading of every period and the accumulation curve.
- &quot;Experiment: sensitivity and accumulation time…&quot;: the radiometer equation as an experiment: for accumulation times from 2 to 1000 ms the summator is pressed several times, the table and the chart compare the real sensitivity with the potential one, and the straight line fitted to the points from 10 ms on shows the slope (−1/2 by the equation). Every run stays in the table until &quot;Clear&quot;.
- &quot;Open setup…&quot; and &quot;Save setup…&quot;: a setup file (`*.veltrum`) with the fields, the scene, the side lobes, the sampling rate and the colours. A teacher hands setups out to the students; a file can also be dropped onto the window.
- &quot;Report…&quot; and &quot;Print report…&quot;: the lab report as PDF or on a printer: the setup, the last pictures of the blocks pressed with their readings, the summator&apos;s readings with the formulas, and the experiment&apos;s table.
- &quot;Table of values…&quot;: the same numbers as &quot;Save data…&quot;, as a table in a window; a screen reader reads it cell by cell with the arrow keys.
- &quot;Listen&quot; (in a browser): the picture&apos;s curve as sound: over two seconds the tone rises where the curve rises and falls where it falls.
- &quot;High contrast&quot;: every text darker (a contrast of at least 4.5:1), the traces darker (at least 3:1 against the white), the second input&apos;s trace dashed so that it is told apart by more than its colour. The choice is remembered; it applies to the window, the experiment and the report.
- &quot;Help&quot;: this guide.</translation>
    </message>
    <message>
        <source>| Клавиши | Что делают |
|---|---|
| Alt+А, Alt+Э | антенна и шумовой эквивалент (пока сцену не меняли) |
| Alt+М, Alt+П, Alt+У, Alt+Д, Alt+Ц, Alt+С | модулятор, переключатель, УВЧ, детектор, АЦП, сумматор |
| Alt+Г | меню «Графика»: цвета двух объектов |
| Alt+В | выход |
| Tab | поля слева направо, затем блоки по цепочке, рисунок и выход |
| Shift+F10, клавиша меню | на рисунке: его контекстное меню со всеми инструментами |
| Ctrl+C, Ctrl+S | копировать рисунок, сохранить его как PNG |
| Ctrl+Shift+S | сохранить данные рисунка в CSV |
| Ctrl+E | опыт: чувствительность и время накопления |
| Ctrl+O, Ctrl+Alt+S | открыть установку, сохранить установку |
| Ctrl+P, Ctrl+Shift+P | отчёт в PDF, отчёт на принтер (в браузере Ctrl+P — отчёт для печати) |
| Ctrl+T | таблица значений рисунка |
| Ctrl+Alt+H | высокая контрастность |
| Ctrl+Alt+L, Ctrl+Alt+C | в браузере: прослушать кривую, копировать ссылку на установку |
| F1 | эта справка |</source>
        <translation>| Keys | What they do |
|---|---|
| Alt+A, Alt+E | the antenna and the noise equivalent (until the scene is changed) |
| Alt+M, Alt+W, Alt+R, Alt+D, Alt+C, Alt+S | modulator, switch, RF amplifier, detector, ADC, summator |
| Alt+G | the &quot;Graphics&quot; menu: the colours of the two objects |
| Alt+X | exit |
| Tab | the fields from left to right, then the blocks along the chain, the picture and the exit |
| Shift+F10, the Menu key | on the picture: its context menu with every tool |
| Ctrl+C, Ctrl+S | copy the picture, save it as PNG |
| Ctrl+Shift+S | save the picture&apos;s data as CSV |
| Ctrl+E | the experiment: sensitivity and accumulation time |
| Ctrl+O, Ctrl+Alt+S | open a setup, save the setup |
| Ctrl+P, Ctrl+Shift+P | the report as PDF, the report on a printer (in a browser Ctrl+P gives the report for printing) |
| Ctrl+T | the picture&apos;s table of values |
| Ctrl+Alt+H | high contrast |
| Ctrl+Alt+L, Ctrl+Alt+C | in a browser: listen to the curve, copy the link to the setup |
| F1 | this guide |</translation>
    </message>
    <message>
        <source>## Доступность {#accessibility}</source>
        <translation>## Accessibility {#accessibility}</translation>
    </message>
    <message>
        <source>Лабораторную работу можно выполнить с программой экранного доступа, одной клавиатурой, касаниями и на телефоне.</source>
        <translation>The lab can be done with a screen reader, with the keyboard alone, by touch and on a phone.</translation>
    </message>
    <message>
        <source>- Каждое поле называется своей подписью с единицей, каждый блок — полным именем («Разделительный конденсатор» для «~»), каждый результат — подписью и полным значением, даже если оно не помещается в окошко.
- После нажатия блока программа один раз сообщает заголовок рисунка и показания. Рисунок принимает фокус клавишей Tab и описан словами: для каждого входа — число отсчётов, наименьшее, наибольшее и среднее значение, для сумматора — где устанавливается среднее по сравнению с рассчитанной разностью.
- В браузере под окном есть кнопка «Инструменты» (то же меню, что у рисунка) и переключатель «Высокая контрастность»; долгое касание рисунка открывает его меню, касание и удержание показывает значение под пальцем. Уже окна страница перестраивается в один столбец; адрес с `#contrast=high` открывает её в высокой контрастности.</source>
        <translation>- Every field is named by its caption with its unit, every block by its full name (&quot;Coupling capacitor&quot; for &quot;~&quot;), every result by its caption and its full value, even where the box is too narrow for it.
- After a block is pressed the program says the picture&apos;s title and the readings once. The picture takes the focus with Tab and is described in words: for each input the number of samples, the smallest, largest and mean value; for the summator, where the mean settles against the computed difference.
- In a browser there is a &quot;Tools&quot; button under the window (the same menu as the picture&apos;s) and a &quot;High contrast&quot; switch; a long touch on the picture opens its menu, touching and holding shows the value under the finger. Narrower than the window, the page reflows into one column; an address with `#contrast=high` opens it in high contrast.</translation>
    </message>
    <message>
        <source>## Калиброванная модель приёмника {#calibrated}</source>
        <translation>## The calibrated receiver model {#calibrated}</translation>
    </message>
    <message>
        <source>Модель из курса («Учебная (как в курсе)») откалибрована для значений по умолчанию: стоит уйти от них — и измеренная разность с чувствительностью расходятся с формулами. В контекстном меню рисунка «Модель приёмника» → «Калиброванная» включает модель, числа которой подчиняются физике модуляционного радиометра при любых параметрах; «Без модуляции (полная мощность)» оставляет переключатель на первом входе. Заголовок окна, установка и отчёт называют выбранную модель. То же задают ключ установки `&quot;receiver&quot;: &quot;calibrated&quot;` (и `&quot;switching&quot;: &quot;total-power&quot;`), ключи запуска `--receiver calibrated`, `--switching total-power` и адрес страницы с `#receiver=calibrated`.</source>
        <translation>The course&apos;s model (&quot;Course (as in the course)&quot;) is calibrated for its defaults: move away from them and the measured difference and the sensitivity part from the formulas. In the picture&apos;s context menu, &quot;Receiver model&quot; → &quot;Calibrated&quot; turns on a model whose numbers follow the physics of a modulation radiometer for any parameters; &quot;No modulation (total power)&quot; leaves the switch on the first input. The window&apos;s caption, the setup and the report name the model chosen. The same is chosen by the setup key `&quot;receiver&quot;: &quot;calibrated&quot;` (and `&quot;switching&quot;: &quot;total-power&quot;`), the start options `--receiver calibrated`, `--switching total-power`, and a page address with `#receiver=calibrated`.</translation>
    </message>
    <message>
        <source>Поля, не имеющие в этой модели физического смысла (Δf, Kp или частота среза не больше нуля, отрицательная температура, дробная разрядность), вызывают сообщение с названием поля, и окно не меняется.</source>
        <translation>Fields that have no physical meaning in this model (Δf, Kp or a cut-off not above zero, a negative temperature, a fractional word length) give a message naming the field, and the window stays as it was.</translation>
    </message>
    <message>
        <source>- Шум на входах и собственный шум приёмника имеют мощность, пропорциональную температуре (амплитуда ∝ √T); УВЧ усиливает мощность в Kp раз. На рисунках входов, переключателя и УВЧ одна точка — отсчёт 0,2 мкс, заменяющий Δf·0,2 мкс отсчётов полосы; единица — √К (квадрат точки в среднем равен шумовой температуре).
- Детектор: среднее его выхода за отсчёт Kp·(T + Tprm)·c, где c = 1 мВ/К; относительный разброс 1/√(Δf·0,2 мкс) (точный гамма-закон, когда Δf·0,2 мкс меньше 100). Среднее по времени τ на одном входе имеет разброс 1/√(Δf·τ): уравнение радиометра выполняется само. Детектор, фильтры, конденсатор и АЦП рисуются в вольтах.
- ΔKp/Kp — среднеквадратичный медленный дрейф усиления с временем корреляции 1 с; его и устраняет модуляция.
- Фильтры, разделительный конденсатор и АЦП берут набранные частоты среза и разрядность; короткое слово добавляет шум квантования. Приёмник работает непрерывно: нажатие начинается с установившегося состояния фильтров.
- Сумматор с модуляцией вычитает сумму второго полупериода из суммы первого (с 500-го отсчёта, каждый s-й) и переводит её в кельвины по отклику самой цепи на разность 1 К, поэтому частоты среза не смещают показание. Без модуляции измерение — уровень на выходе (конденсатор обойдён), пересчитанный по номинальному Kp и набранной Tprm, минус Ta2: дрейф δ даёт ошибку δ·(Ta1 + Tprm).
- Показания: измеренная разность — среднее отсчётов периодов; реальная чувствительность — их стандартная ошибка σ/√N (по одному периоду, при τ = 1 мс, её не оценить, и окошко остаётся пустым); потенциальная — уравнение этого приёмника со временем τs, которое действительно входит в суммы: с модуляцией ΔT = √((2(Ta1+Tprm)² + 2(Ta2+Tprm)²)/(Δf·τs) + (ΔKp/Kp)²·(Ta1−Ta2)²), без модуляции ΔT = (Ta1+Tprm)·√(1/(Δf·τs) + (ΔKp/Kp)²).</source>
        <translation>- The noise of the inputs and the receiver&apos;s own noise have a power proportional to temperature (amplitude ∝ √T); the RF amplifier multiplies the power by Kp. In the pictures of the inputs, the switch and the amplifier one point is a sample of 0.2 µs standing for Δf·0.2 µs samples of the band; the unit is √K (the square of a point is on average the noise temperature).
- The detector: the mean of its output over a sample is Kp·(T + Tprm)·c, with c = 1 mV/K; its relative spread is 1/√(Δf·0.2 µs) (the exact gamma law where Δf·0.2 µs is below 100). A mean over a time τ on one input spreads by 1/√(Δf·τ): the radiometer equation holds by itself. The detector, the filters, the capacitor and the ADC are drawn in volts.
- ΔKp/Kp is the rms of a slow gain drift with a correlation time of 1 s: the drift the modulation removes.
- The filters, the coupling capacitor and the ADC take the typed cut-offs and word length; a short word adds quantisation noise. The receiver runs continuously: a press starts from the filters&apos; settled state.
- The summator with modulation subtracts the second half-period&apos;s sum from the first&apos;s (from sample 500 on, every s-th) and converts it to kelvin by the chain&apos;s own response to a difference of 1 K, so that the cut-offs do not bias the reading. Without modulation the measurement is the output level (the capacitor bypassed), converted with the nominal Kp and the typed Tprm, minus Ta2: a drift δ gives an error of δ·(Ta1 + Tprm).
- Readings: the measured difference is the mean of the period readings; the real sensitivity their standard error σ/√N (one period, at τ = 1 ms, cannot give it, and its box stays empty); the potential one this receiver&apos;s equation with the time τs that really enters the sums: with modulation ΔT = √((2(Ta1+Tprm)² + 2(Ta2+Tprm)²)/(Δf·τs) + (ΔKp/Kp)²·(Ta1−Ta2)²), without ΔT = (Ta1+Tprm)·√(1/(Δf·τs) + (ΔKp/Kp)²).</translation>
    </message>
</context>
<context>
    <name>Veltrum</name>
    <message>
        <source>Veltrum: учебный симулятор модуляционного радиометра.
Без параметров открывает окно; с файлом установки открывает окно с ней.
Пакетный режим нажимает блоки без окна и печатает показания, как их показывает окно:
  veltrum --batch --setup ФАЙЛ --press btnsum [--press …] [--format json|csv]</source>
        <translation>Veltrum: a teaching simulator of a switched (Dicke) radiometer.
Without arguments it opens the window; with a setup file, the window with that setup.
The batch mode presses blocks without a window and prints the readings as the window shows them:
  veltrum --batch --setup FILE --press btnsum [--press …] [--format json|csv]</translation>
    </message>
    <message>
        <source>Пакетный режим: нажать блоки без окна и напечатать показания.</source>
        <translation>Batch mode: press blocks without a window and print the readings.</translation>
    </message>
    <message>
        <source>Установка для пакетного режима.</source>
        <translation>The setup for the batch mode.</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Кнопка блока, которую нажать (можно несколько раз): </source>
        <translation>The block button to press (may be given more than once): </translation>
    </message>
    <message>
        <source>кнопка</source>
        <translation>button</translation>
    </message>
    <message>
        <source>Вид показаний: json (строка на нажатие, по умолчанию) или csv.</source>
        <translation>Form of the readings: json (a line per press, the default) or csv.</translation>
    </message>
    <message>
        <source>Язык программы: %1 (по умолчанию ru). С окном он запоминается до следующего запуска.</source>
        <translation>The program&apos;s language: %1 (ru by default). With the window it is remembered for the next start.</translation>
    </message>
    <message>
        <source>язык</source>
        <translation>language</translation>
    </message>
    <message>
        <source>Установка, которую открыть в окне.</source>
        <translation>The setup to open in the window.</translation>
    </message>
    <message>
        <source>[файл]</source>
        <translation>[file]</translation>
    </message>
    <message>
        <source>можно открыть только одну установку</source>
        <translation>only one setup can be opened</translation>
    </message>
    <message>
        <source>--format json или --format csv</source>
        <translation>--format json or --format csv</translation>
    </message>
    <message>
        <source>Неизвестная кнопка %1; кнопки блоков: %2.</source>
        <translation>Unknown button %1; the block buttons: %2.</translation>
    </message>
    <message>
        <source>Что наблюдаем</source>
        <translation>Observed scene</translation>
    </message>
    <message>
        <source>Протяжен- ная цель</source>
        <translation>Extended target</translation>
    </message>
    <message>
        <source>Граница двух протяженных целей</source>
        <translation>Boundary of two extended targets</translation>
    </message>
    <message>
        <source>Малоразмер- ная цель</source>
        <translation>Point target</translation>
    </message>
    <message>
        <source>&amp;Антенна</source>
        <translation>&amp;Antenna</translation>
    </message>
    <message>
        <source>Шумовой &amp;эквивалент</source>
        <translation>Noise &amp;equivalent</translation>
    </message>
    <message>
        <source>А&amp;П</source>
        <translation>S&amp;W</translation>
    </message>
    <message>
        <source>&amp;УВЧ</source>
        <translation>&amp;RF</translation>
    </message>
    <message>
        <source>К&amp;ДО</source>
        <translation>&amp;Det</translation>
    </message>
    <message>
        <source>Фильтр однозвенный</source>
        <translation>Single-section filter</translation>
    </message>
    <message>
        <source>Фильтр двухзвенный</source>
        <translation>Two-section filter</translation>
    </message>
    <message>
        <source>А&amp;ЦП</source>
        <translation>AD&amp;C</translation>
    </message>
    <message>
        <source>&amp;Сумматор</source>
        <translation>&amp;Summator</translation>
    </message>
    <message>
        <source>&amp;Модулятор</source>
        <translation>&amp;Modulator</translation>
    </message>
    <message>
        <source>Fмод=1кГц</source>
        <translation>Fmod=1kHz</translation>
    </message>
    <message>
        <source>Учесть боковые лепестки?</source>
        <translation>Include side lobes?</translation>
    </message>
    <message>
        <source>  Потенциальная чувствительность</source>
        <translation>  Potential sensitivity</translation>
    </message>
    <message>
        <source> Реальная чувствительность</source>
        <translation> Real sensitivity</translation>
    </message>
    <message>
        <source>Разность яркостных температур</source>
        <translation>Brightness temp. difference</translation>
    </message>
    <message>
        <source>Разность антенных температур</source>
        <translation>Antenna temperature difference</translation>
    </message>
    <message>
        <source>Измеренная разность антенных температур</source>
        <translation>Measured antenna temperature difference</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Красный</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Желтый</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Зеленый</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Синий</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Голубой</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Сиреневый</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Черный</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>&amp;Графика</source>
        <translation>&amp;Graphics</translation>
    </message>
    <message>
        <source>Первый объект</source>
        <translation>First object</translation>
    </message>
    <message>
        <source>Второй объект</source>
        <translation>Second object</translation>
    </message>
    <message>
        <source>после значения есть лишний текст</source>
        <translation>extra text after the value</translation>
    </message>
    <message>
        <source>неизвестное слово</source>
        <translation>an unknown word</translation>
    </message>
    <message>
        <source>слишком глубокая вложенность</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>текст оборвался</source>
        <translation>the text ends too early</translation>
    </message>
    <message>
        <source>ожидалось имя ключа в кавычках</source>
        <translation>a key name in quotes was expected</translation>
    </message>
    <message>
        <source>ключ повторяется</source>
        <translation>a key is repeated</translation>
    </message>
    <message>
        <source>после ключа ожидалось «:»</source>
        <translation>“:” was expected after the key</translation>
    </message>
    <message>
        <source>ожидалось «,» или «}»</source>
        <translation>“,” or “}” was expected</translation>
    </message>
    <message>
        <source>ожидалось «,» или «]»</source>
        <translation>“,” or “]” was expected</translation>
    </message>
    <message>
        <source>неверная последовательность \u</source>
        <translation>an invalid \u sequence</translation>
    </message>
    <message>
        <source>строка не закрыта кавычкой</source>
        <translation>a string is not closed by a quote</translation>
    </message>
    <message>
        <source>управляющий символ внутри строки</source>
        <translation>a control character inside a string</translation>
    </message>
    <message>
        <source>текст не в кодировке UTF-8</source>
        <translation>the text is not in UTF-8</translation>
    </message>
    <message>
        <source>непарный суррогат в \u</source>
        <translation>an unpaired surrogate in \u</translation>
    </message>
    <message>
        <source>нулевой символ внутри строки</source>
        <translation>a null character inside a string</translation>
    </message>
    <message>
        <source>неверная escape-последовательность</source>
        <translation>an invalid escape sequence</translation>
    </message>
    <message>
        <source>неверное значение</source>
        <translation>an invalid value</translation>
    </message>
    <message>
        <source>неверное число</source>
        <translation>an invalid number</translation>
    </message>
    <message>
        <source>нет языка «%1»; есть: %2</source>
        <translation>there is no language “%1”; there are: %2</translation>
    </message>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Начальное число шума</source>
        <translation>Noise seed</translation>
    </message>
    <message>
        <source>%1, К</source>
        <translation>%1, K</translation>
    </message>
    <message>
        <source>Veltrum %1: отчёт о лабораторной работе</source>
        <translation>Veltrum %1: lab report</translation>
    </message>
    <message>
        <source>Составлен %1</source>
        <translation>Made %1</translation>
    </message>
    <message>
        <source>Установка</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Осциллограммы</source>
        <translation>Oscillograms</translation>
    </message>
    <message>
        <source>В этом сеансе не нажат ни один блок.</source>
        <translation>No block has been pressed in this session.</translation>
    </message>
    <message>
        <source>Формулы радиометра</source>
        <translation>The radiometer’s formulas</translation>
    </message>
    <message>
        <source>Потенциальная чувствительность δT = 2√2·Tsys / √(Δf·τ), Tsys = Tprm + 0,9·T1, Δf = 900 МГц, τ — время накопления.</source>
        <translation>Potential sensitivity δT = 2√2·Tsys / √(Δf·τ), Tsys = Tprm + 0.9·T1, Δf = 900 MHz, τ the accumulation time.</translation>
    </message>
    <message>
        <source>Реальная чувствительность Tsys·σ / m: σ — разброс среднего отсчёта по периодам, m — среднее отсчётов (измеренная разность антенных температур).</source>
        <translation>Real sensitivity Tsys·σ / m: σ the spread of the mean reading over the periods, m the mean of the readings (the measured antenna temperature difference).</translation>
    </message>
    <message>
        <source>Разность антенных температур |Ta1 − Ta2|, Ta = 0,9·((1 − β)·T + β·Тяб) + 30 К (к.п.д. антенны 0,9, её собственные 300 К).</source>
        <translation>Antenna temperature difference |Ta1 − Ta2|, Ta = 0.9·((1 − β)·T + β·Tsl) + 30 K (antenna efficiency 0.9, its own temperature 300 K).</translation>
    </message>
    <message>
        <source>Отчёт…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Напечатать отчёт…</source>
        <translation>Print report…</translation>
    </message>
    <message>
        <source>Сохранить отчёт</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>veltrum-отчёт.pdf</source>
        <translation>veltrum-report.pdf</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>отчёт</source>
        <translation>the report</translation>
    </message>
    <message>
        <source>логическое значение</source>
        <translation>a boolean</translation>
    </message>
    <message>
        <source>число</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>строка</source>
        <translation>a string</translation>
    </message>
    <message>
        <source>массив</source>
        <translation>an array</translation>
    </message>
    <message>
        <source>объект</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>значение</source>
        <translation>a value</translation>
    </message>
    <message>
        <source>значение ключа %1 должно быть: %2, а не %3</source>
        <translation>the value of the key %1 must be %2, not %3</translation>
    </message>
    <message>
        <source>неизвестный ключ %1</source>
        <translation>unknown key %1</translation>
    </message>
    <message>
        <source>значение ключа %1 должно быть целым числом от 0 до %2</source>
        <translation>the value of the key %1 must be a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>неизвестное поле %1</source>
        <translation>unknown field %1</translation>
    </message>
    <message>
        <source>текст поля %1 длиннее %2 символов</source>
        <translation>the text of the field %1 is longer than %2 characters</translation>
    </message>
    <message>
        <source>текст поля %1 содержит управляющий символ</source>
        <translation>the text of the field %1 holds a control character</translation>
    </message>
    <message>
        <source>значение ключа %1 — не цвет первого объекта: %2</source>
        <translation>the value of the key %1 is not a colour of the first object: %2</translation>
    </message>
    <message>
        <source>значение ключа %1 — не цвет второго объекта: %2</source>
        <translation>the value of the key %1 is not a colour of the second object: %2</translation>
    </message>
    <message>
        <source>файл больше %1 КБ</source>
        <translation>the file is larger than %1 KB</translation>
    </message>
    <message>
        <source>файл пуст</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>файл оборван: %1</source>
        <translation>the file is cut short: %1</translation>
    </message>
    <message>
        <source>это не текст JSON: %1 (байт %2)</source>
        <translation>this is not JSON text: %1 (byte %2)</translation>
    </message>
    <message>
        <source>нет ключа %1 со значением %2</source>
        <translation>no key %1 with the value %2</translation>
    </message>
    <message>
        <source>нет ключа %1</source>
        <translation>no key %1</translation>
    </message>
    <message>
        <source>установка записана более новой версией Veltrum (формат %1); эта версия читает формат %2</source>
        <translation>the setup was written by a newer version of Veltrum (format %1); this version reads format %2</translation>
    </message>
    <message>
        <source>неверная версия формата: %1</source>
        <translation>an invalid format version: %1</translation>
    </message>
    <message>
        <source>значение ключа %1 — не вариант наблюдения: %2</source>
        <translation>the value of the key %1 is not an observed scene: %2</translation>
    </message>
    <message>
        <source>значение ключа %1 — не частота дискретизации из списка: %2</source>
        <translation>the value of the key %1 is not a sampling rate of the list: %2</translation>
    </message>
    <message>
        <source>Не удалось открыть установку %1: %2. Окно не изменилось.</source>
        <translation>Could not open the setup %1: %2. The window has not changed.</translation>
    </message>
    <message>
        <source>Ошибка установки</source>
        <translation>Setup error</translation>
    </message>
    <message>
        <source>Открыть установку…</source>
        <translation>Open setup…</translation>
    </message>
    <message>
        <source>Сохранить установку…</source>
        <translation>Save setup…</translation>
    </message>
    <message>
        <source>Копировать ссылку на установку</source>
        <translation>Copy link to the setup</translation>
    </message>
    <message>
        <source>Открыть установку</source>
        <translation>Open setup</translation>
    </message>
    <message>
        <source>Сохранить установку</source>
        <translation>Save setup</translation>
    </message>
    <message>
        <source>установка.veltrum</source>
        <translation>setup.veltrum</translation>
    </message>
    <message>
        <source>Установка Veltrum (*.veltrum *.json)</source>
        <translation>Veltrum setup (*.veltrum *.json)</translation>
    </message>
    <message>
        <source>установку</source>
        <translation>the setup</translation>
    </message>
    <message>
        <source>Ссылка на установку скопирована: вставьте её в письмо или на страницу курса.</source>
        <translation>The link to the setup is copied: paste it into an e-mail or onto the course’s page.</translation>
    </message>
    <message>
        <source>Браузер не дал скопировать ссылку; скопируйте её отсюда:
</source>
        <translation>The browser did not let the link be copied; copy it from here:
</translation>
    </message>
    <message>
        <source>адрес страницы</source>
        <translation>page address</translation>
    </message>
    <message>
        <source>Коэффициент заполнения луча больше единицы !</source>
        <translation>The beam filling factor is greater than one!</translation>
    </message>
    <message>
        <source>Для таких параметров это случай протяженной цели! Нажмите ОК для продолжения !</source>
        <translation>For these parameters the target is an extended one! Press OK to continue!</translation>
    </message>
    <message>
        <source>Сумматор</source>
        <translation>Summator</translation>
    </message>
    <message>
        <source>Накопление…</source>
        <translation>Accumulating…</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Работа окончена: вкладку браузера можно закрыть.</source>
        <translation>Work finished: the browser tab may be closed.</translation>
    </message>
    <message>
        <source>Ошибка копирования</source>
        <translation>Copy error</translation>
    </message>
    <message>
        <source>Браузер не разрешил положить рисунок в буфер обмена. Сохраните его как файл (Ctrl+S).</source>
        <translation>The browser did not allow putting the picture on the clipboard. Save it as a file (Ctrl+S).</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Сохранить как…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Опыт: чувствительность и время накопления</source>
        <translation>Experiment: sensitivity and accumulation time</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Справка Veltrum</source>
        <translation>Veltrum Help</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>рисунок</source>
        <translation>the picture</translation>
    </message>
    <message>
        <source>Сохранить данные</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>данные</source>
        <translation>the data</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Данные CSV (*.csv)</source>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>Ошибка записи</source>
        <translation>Write error</translation>
    </message>
    <message>
        <source>Не удалось записать %1 в файл «%2».
%3</source>
        <translation>Could not write %1 to the file “%2”.
%3</translation>
    </message>
    <message>
        <source>Наибольшее время накопления, мс</source>
        <translation>Longest accumulation time, ms</translation>
    </message>
    <message>
        <source>Нажатий на каждое время</source>
        <translation>Presses per time</translation>
    </message>
    <message>
        <source>Пуск</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Сохранить график…</source>
        <translation>Save chart…</translation>
    </message>
    <message>
        <source>Сохранить таблицу…</source>
        <translation>Save table…</translation>
    </message>
    <message>
        <source>Реальная и потенциальная чувствительность</source>
        <translation>Real and potential sensitivity</translation>
    </message>
    <message>
        <source>Чувствительность, К</source>
        <translation>Sensitivity, K</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>veltrum-опыт.png</source>
        <translation>veltrum-experiment.png</translation>
    </message>
    <message>
        <source>график</source>
        <translation>the chart</translation>
    </message>
    <message>
        <source>Сохранить таблицу</source>
        <translation>Save table</translation>
    </message>
    <message>
        <source>veltrum-опыт.csv</source>
        <translation>veltrum-experiment.csv</translation>
    </message>
    <message>
        <source>таблицу</source>
        <translation>the table</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе антенного устройства: цель</source>
        <translation>Antenna output oscillogram: target</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе антенного устройства: фон</source>
        <translation>Antenna output oscillogram: background</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе антенного устройства: цель1</source>
        <translation>Antenna output oscillogram: target 1</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе антенного устройства: цель2</source>
        <translation>Antenna output oscillogram: target 2</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе антенного устройства</source>
        <translation>Antenna output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе шумового эквивалента</source>
        <translation>Noise equivalent output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе антенного переключателя</source>
        <translation>Antenna switch output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе модулятора</source>
        <translation>Modulator output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе УВЧ</source>
        <translation>RF amplifier output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе квадратичного детектора</source>
        <translation>Square-law detector output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе однозвенного фильтра</source>
        <translation>Single-section filter output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе разделительной ёмкости</source>
        <translation>Coupling capacitor output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе двухзвенного фильтра</source>
        <translation>Two-section filter output oscillogram</translation>
    </message>
    <message>
        <source>Осциллограмма на выходе АЦП</source>
        <translation>ADC output oscillogram</translation>
    </message>
    <message>
        <source>Эффект накопления теплового сигнала в сумматоре</source>
        <translation>Accumulation of the thermal signal in the summator</translation>
    </message>
    <message>
        <source>Шум первого входа: антенна, направленная на цель. Его размах пропорционален антенной температуре Ta1.</source>
        <translation>The noise of the first input: the antenna looking at the target. Its amplitude is proportional to the antenna temperature Ta1.</translation>
    </message>
    <message>
        <source>Шум второго входа: шумовой эквивалент (фон, вторая цель). Его размах пропорционален температуре Ta2.</source>
        <translation>The noise of the second input: the noise equivalent (the background, the second target). Its amplitude is proportional to the temperature Ta2.</translation>
    </message>
    <message>
        <source>Меандр 1 кГц: он переключает входы приёмника и задаёт такт сумматору.</source>
        <translation>A 1 kHz square wave: it switches the receiver’s inputs and clocks the summator.</translation>
    </message>
    <message>
        <source>Первый вход в первую половину каждого периода модуляции, второй — во вторую; цвет показывает, какой вход подключён.</source>
        <translation>The first input in the first half of every modulation period, the second input in the second half; the colour shows which input is connected.</translation>
    </message>
    <message>
        <source>Усиление в полосе Δf с собственным шумом приёмника: Kp·Δf·10⁻³·(вход + Tprm·ξ); усиление колеблется на ΔKp/Kp.</source>
        <translation>Amplification in the band Δf with the receiver’s own noise: Kp·Δf·10⁻³·(input + Tprm·ξ); the gain wanders by ΔKp/Kp.</translation>
    </message>
    <message>
        <source>Квадратичный детектор: квадрат выхода УВЧ плюс постоянные 200. Мощность шума превращается в уровень.</source>
        <translation>Square-law detector: the square of the RF amplifier output plus a constant 200. The noise power becomes a level.</translation>
    </message>
    <message>
        <source>Фильтр нижних частот с частотой среза F1 сглаживает выход детектора: проступают два уровня двух входов.</source>
        <translation>A low-pass filter with the cut-off frequency F1 smooths the detector output: the levels of the two inputs emerge.</translation>
    </message>
    <message>
        <source>Разделительная ёмкость убирает среднее значение: уровни двух входов становятся плюсом и минусом.</source>
        <translation>The coupling capacitor removes the mean: the levels of the two inputs become plus and minus.</translation>
    </message>
    <message>
        <source>Второй фильтр нижних частот, с частотой среза F2, ещё сглаживает сигнал перед АЦП.</source>
        <translation>The second low-pass filter, with the cut-off frequency F2, smooths the signal further before the ADC.</translation>
    </message>
    <message>
        <source>АЦП квантует сигнал n разрядами на его собственном размахе.</source>
        <translation>The ADC quantises the signal with n bits over the signal’s own range.</translation>
    </message>
    <message>
        <source>Накопление за время τ: разность сумм двух полупериодов даёт измеренную разность антенных температур, её разброс — реальную чувствительность.</source>
        <translation>Accumulation over the time τ: the difference of the sums of the two half-periods gives the measured antenna temperature difference, its spread the real sensitivity.</translation>
    </message>
    <message>
        <source>Высота полета, км</source>
        <translation>Flight height, km</translation>
    </message>
    <message>
        <source>Площадь цели, кв.м</source>
        <translation>Target area, m²</translation>
    </message>
    <message>
        <source>Частотный диапазон, ГГц</source>
        <translation>Frequency, GHz</translation>
    </message>
    <message>
        <source>Температура излучения в пределах главного луча (Тягл), К </source>
        <translation>Brightness temperature in the main beam (Tmb), K </translation>
    </message>
    <message>
        <source>Δ&lt;i&gt;f&lt;/i&gt;, МГц</source>
        <translation>Δ&lt;i&gt;f&lt;/i&gt;, MHz</translation>
    </message>
    <message>
        <source>Т-ра вн.шума, К</source>
        <translation>Rx noise temp., K</translation>
    </message>
    <message>
        <source>Частота  среза фильтра1, Гц</source>
        <translation>Filter 1 cut-off, Hz</translation>
    </message>
    <message>
        <source>Частота  среза фильтра2, Гц</source>
        <translation>Filter 2 cut-off, Hz</translation>
    </message>
    <message>
        <source>Разрядность</source>
        <translation>Word length</translation>
    </message>
    <message>
        <source>Время накопления,мс</source>
        <translation>Accumulation time, ms</translation>
    </message>
    <message>
        <source>Средняя тем-ра излучения, принимаемая по боковым лепесткам (Тяб), К</source>
        <translation>Mean temperature received through the side lobes (Tsl), K</translation>
    </message>
    <message>
        <source>Fдискретиз.</source>
        <translation>Fsampling</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 и %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>5МГц</source>
        <translation>5MHz</translation>
    </message>
    <message>
        <source>2,5МГц</source>
        <translation>2.5MHz</translation>
    </message>
    <message>
        <source>1,25МГц</source>
        <translation>1.25MHz</translation>
    </message>
    <message>
        <source>1МГц</source>
        <translation>1MHz</translation>
    </message>
    <message>
        <source>500кГц</source>
        <translation>500kHz</translation>
    </message>
    <message>
        <source>100кГц</source>
        <translation>100kHz</translation>
    </message>
    <message>
        <source>50кГц</source>
        <translation>50kHz</translation>
    </message>
    <message>
        <source>25кГц</source>
        <translation>25kHz</translation>
    </message>
    <message>
        <source>10кГц</source>
        <translation>10kHz</translation>
    </message>
    <message>
        <source>поле пусто</source>
        <translation>the field is empty</translation>
    </message>
    <message>
        <source>внутри числа не допускаются пробелы (разделители разрядов)</source>
        <translation>no blanks (digit group separators) are allowed inside a number</translation>
    </message>
    <message>
        <source>в числе больше одного десятичного разделителя</source>
        <translation>the number has more than one decimal separator</translation>
    </message>
    <message>
        <source>число вне допустимого диапазона</source>
        <translation>the number is out of range</translation>
    </message>
    <message>
        <source>нужно целое число от -32768 до 32767</source>
        <translation>a whole number from -32768 to 32767 is needed</translation>
    </message>
    <message>
        <source>это не число</source>
        <translation>this is not a number</translation>
    </message>
    <message>
        <source>время накопления должно быть не меньше %1 мс</source>
        <translation>the accumulation time must be at least %1 ms</translation>
    </message>
    <message>
        <source>время накопления не должно превышать %1 мс</source>
        <translation>the accumulation time must not exceed %1 ms</translation>
    </message>
    <message>
        <source>температуру Ta1</source>
        <translation>the temperature Ta1</translation>
    </message>
    <message>
        <source>температуру Ta2</source>
        <translation>the temperature Ta2</translation>
    </message>
    <message>
        <source>реальную чувствительность</source>
        <translation>the real sensitivity</translation>
    </message>
    <message>
        <source>потенциальную чувствительность</source>
        <translation>the potential sensitivity</translation>
    </message>
    <message>
        <source>разность яркостных температур</source>
        <translation>the brightness temperature difference</translation>
    </message>
    <message>
        <source>разность антенных температур</source>
        <translation>the antenna temperature difference</translation>
    </message>
    <message>
        <source>измеренную разность антенных температур</source>
        <translation>the measured antenna temperature difference</translation>
    </message>
    <message>
        <source>результат</source>
        <translation>the result</translation>
    </message>
    <message>
        <source>Проверьте поле %1.</source>
        <translation>Check the field %1.</translation>
    </message>
    <message>
        <source>Проверьте поля %1.</source>
        <translation>Check the fields %1.</translation>
    </message>
    <message>
        <source>Поле %1: %2</source>
        <translation>Field %1: %2</translation>
    </message>
    <message>
        <source>Поля %1: %2</source>
        <translation>Fields %1: %2</translation>
    </message>
    <message>
        <source>Поле %1: %2 — %3.</source>
        <translation>Field %1: %2 — %3.</translation>
    </message>
    <message>
        <source>высота не может быть равна нулю.</source>
        <translation>the height cannot be zero.</translation>
    </message>
    <message>
        <source>частота не может быть равна нулю.</source>
        <translation>the frequency cannot be zero.</translation>
    </message>
    <message>
        <source>площадь цели не может быть отрицательной.</source>
        <translation>the target area cannot be negative.</translation>
    </message>
    <message>
        <source>частота слишком велика, телесный угол луча равен нулю.</source>
        <translation>the frequency is too high: the solid angle of the beam is zero.</translation>
    </message>
    <message>
        <source>Для малоразмерной цели получен бесконечный или неопределённый результат.</source>
        <translation>The point target gives an infinite or undefined result.</translation>
    </message>
    <message>
        <source>произведение времени накопления на полосу не может быть отрицательным.</source>
        <translation>the product of the accumulation time and the bandwidth cannot be negative.</translation>
    </message>
    <message>
        <source>Антенная температура Ta1 равна −100 К: деление на ноль.</source>
        <translation>The antenna temperature Ta1 is −100 K: a division by zero.</translation>
    </message>
    <message>
        <source>Дальность Rmax не определена: подкоренное выражение отрицательно.</source>
        <translation>The range Rmax is undefined: the expression under the root is negative.</translation>
    </message>
    <message>
        <source>Не выбрана частота дискретизации %1.</source>
        <translation>No sampling rate is chosen in %1.</translation>
    </message>
    <message>
        <source>число уровней АЦП 2ⁿ не представимо; разрядность должна лежать в пределах от %1 до %2</source>
        <translation>the number of ADC levels 2ⁿ cannot be represented; the word length must lie between %1 and %2</translation>
    </message>
    <message>
        <source>Сигнал вышел за пределы представимых чисел (переполнение или расходящийся фильтр).</source>
        <translation>The signal went beyond the representable numbers (an overflow or a diverging filter).</translation>
    </message>
    <message>
        <source>Все отсчёты на выходе двухзвенного фильтра равны нулю: диапазон АЦП равен нулю.</source>
        <translation>All samples at the two-section filter output are zero: the ADC range is zero.</translation>
    </message>
    <message>
        <source>Измеренная разность антенных температур равна нулю: реальную чувствительность вычислить нельзя.</source>
        <translation>The measured antenna temperature difference is zero: the real sensitivity cannot be computed.</translation>
    </message>
    <message>
        <source>Не удалось вычислить %1: результат не является конечным числом.</source>
        <translation>Could not compute %1: the result is not a finite number.</translation>
    </message>
    <message>
        <source>Ошибка ввода</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>Ошибка расчёта</source>
        <translation>Computation error</translation>
    </message>
    <message>
        <source>Отсчёт</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Вход</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Период</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Отсчёт разности антенных температур, К</source>
        <translation>Antenna temperature difference reading, K</translation>
    </message>
    <message>
        <source>Накоплено отсчётов</source>
        <translation>Samples accumulated</translation>
    </message>
    <message>
        <source>Среднее накопленных отсчётов</source>
        <translation>Mean of the accumulated samples</translation>
    </message>
    <message>
        <source>отсчёт %1: %2 (вход %3)</source>
        <translation>sample %1: %2 (input %3)</translation>
    </message>
    <message>
        <source>накоплено %1; y = %2</source>
        <translation>accumulated %1; y = %2</translation>
    </message>
    <message>
        <source>среднее %1 отсчётов: %2</source>
        <translation>mean of %1 samples: %2</translation>
    </message>
    <message>
        <source>Максимальная дальность наблюдения сосредоточенной цели при Ро = 0,9 составит Rmax=%1метров</source>
        <translation>Maximum observation range of the point target at Pd = 0.9: Rmax=%1 m</translation>
    </message>
    <message>
        <source>Т-ра эквивалента, К</source>
        <translation>Equivalent temp., K</translation>
    </message>
    <message>
        <source>  Шумовой эквивалент</source>
        <translation>  Noise equivalent</translation>
    </message>
    <message>
        <source>Антенна</source>
        <translation>Antenna</translation>
    </message>
    <message>
        <source>протяжённая цель</source>
        <translation>extended target</translation>
    </message>
    <message>
        <source>Антенна:  цель2</source>
        <translation>Antenna:  target 2</translation>
    </message>
    <message>
        <source>Антенна: цель1</source>
        <translation>Antenna: target 1</translation>
    </message>
    <message>
        <source>Т-ра цели 2, К</source>
        <translation>Target 2 temp., K</translation>
    </message>
    <message>
        <source>граница двух целей</source>
        <translation>boundary of two targets</translation>
    </message>
    <message>
        <source>Антенна:  фон</source>
        <translation>Antenna:  backgr.</translation>
    </message>
    <message>
        <source>Антенна: цель+фон</source>
        <translation>Antenna: target+bg.</translation>
    </message>
    <message>
        <source>Т-ра фона, К</source>
        <translation>Background temp., K</translation>
    </message>
    <message>
        <source>малоразмерная цель</source>
        <translation>point target</translation>
    </message>
    <message>
        <source>σ: мало точек для прямой</source>
        <translation>σ: too few points for a line</translation>
    </message>
    <message>
        <source>Опыт</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Время накопления, мс</source>
        <translation>Accumulation time, ms</translation>
    </message>
    <message>
        <source>Реальная чувствительность, К</source>
        <translation>Real sensitivity, K</translation>
    </message>
    <message>
        <source>Разброс реальной чувствительности, К</source>
        <translation>Spread of the real sensitivity, K</translation>
    </message>
    <message>
        <source>Потенциальная чувствительность, К</source>
        <translation>Potential sensitivity, K</translation>
    </message>
    <message>
        <source>Измеренная разность антенных температур, К</source>
        <translation>Measured antenna temperature difference, K</translation>
    </message>
    <message>
        <source>Разность антенных температур, К</source>
        <translation>Antenna temperature difference, K</translation>
    </message>
    <message>
        <source>Опыт %1: </source>
        <translation>Run %1: </translation>
    </message>
    <message>
        <source>без боковых лепестков</source>
        <translation>without side lobes</translation>
    </message>
    <message>
        <source>боковые лепестки β = %1, Тяб = %2 К</source>
        <translation>side lobes β = %1, Tsl = %2 K</translation>
    </message>
    <message>
        <source>%1 нажатий на время</source>
        <translation>%1 presses per time</translation>
    </message>
    <message>
        <source>до %1 мс</source>
        <translation>up to %1 ms</translation>
    </message>
    <message>
        <source>как опыт 1</source>
        <translation>as run 1</translation>
    </message>
    <message>
        <source>%1: нажатия</source>
        <translation>%1: presses</translation>
    </message>
    <message>
        <source>%1: среднее</source>
        <translation>%1: mean</translation>
    </message>
    <message>
        <source>%1: потенциальная</source>
        <translation>%1: potential</translation>
    </message>
    <message>
        <source>Наклон реальной чувствительности от 10 мс:</source>
        <translation>Slope of the real sensitivity from 10 ms on:</translation>
    </message>
    <message>
        <source> опыт %1: </source>
        <translation> run %1: </translation>
    </message>
    <message>
        <source> уравнение радиометра: %1</source>
        <translation> radiometer equation: %1</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>неполная метка порядка байтов</source>
        <translation>incomplete byte-order mark</translation>
    </message>
    <message>
        <source>Вход %1: %2 отсчётов, наименьшее %3, наибольшее %4, среднее %5.</source>
        <translation>Input %1: %2 samples, smallest %3, largest %4, mean %5.</translation>
    </message>
    <message>
        <source>Шумовой эквивалент</source>
        <translation>Noise equivalent</translation>
    </message>
    <message>
        <source>Модулятор</source>
        <translation>Modulator</translation>
    </message>
    <message>
        <source>Антенный переключатель</source>
        <translation>Antenna switch</translation>
    </message>
    <message>
        <source>Усилитель высокой частоты</source>
        <translation>Radio-frequency amplifier</translation>
    </message>
    <message>
        <source>Квадратичный детектор</source>
        <translation>Square-law detector</translation>
    </message>
    <message>
        <source>Разделительный конденсатор</source>
        <translation>Coupling capacitor</translation>
    </message>
    <message>
        <source>Аналого-цифровой преобразователь</source>
        <translation>Analogue-to-digital converter</translation>
    </message>
    <message>
        <source>%1: %2 К</source>
        <translation>%1: %2 K</translation>
    </message>
    <message>
        <source>Осциллограмма</source>
        <translation>Oscillogram</translation>
    </message>
    <message>
        <source>%1 периодов, средний отсчёт %2 К, рассчитанная разность %3 К.</source>
        <translation>%1 periods, mean reading %2 K, computed difference %3 K.</translation>
    </message>
    <message>
        <source>Кривая накопления по %1 отсчётам устанавливается на %2.</source>
        <translation>The accumulation curve over %1 samples settles at %2.</translation>
    </message>
    <message>
        <source>Накопление прервано</source>
        <translation>Accumulation stopped</translation>
    </message>
    <message>
        <source>Таблица значений</source>
        <translation>Table of values</translation>
    </message>
    <message>
        <source>Таблица значений осциллограммы</source>
        <translation>Table of the oscillogram&apos;s values</translation>
    </message>
    <message>
        <source>Прослушать</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>Высокая контрастность</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <source>Инструменты</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Veltrum: модуляционный радиометр с борта самолёта</source>
        <translation>Veltrum: a modulation radiometer on board an aircraft</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Модель приёмника: course (учебная, по умолчанию) или calibrated (калиброванная); главнее установки.</source>
        <translation>The receiver&apos;s model: course (the course&apos;s, the default) or calibrated; it outweighs the setup.</translation>
    </message>
    <message>
        <source>Переключение калиброванной модели: modulated (с модуляцией, по умолчанию) или total-power (без модуляции); главнее установки.</source>
        <translation>The calibrated model&apos;s switching: modulated (the default) or total-power (no modulation); it outweighs the setup.</translation>
    </message>
    <message>
        <source>--receiver course или --receiver calibrated</source>
        <translation>--receiver course or --receiver calibrated</translation>
    </message>
    <message>
        <source>--switching modulated или --switching total-power</source>
        <translation>--switching modulated or --switching total-power</translation>
    </message>
    <message>
        <source>значение ключа %1 — не модель приёмника: %2</source>
        <translation>the value of the key %1 is not a receiver model: %2</translation>
    </message>
    <message>
        <source>значение ключа %1 — не способ переключения: %2</source>
        <translation>the value of the key %1 is not a way of switching: %2</translation>
    </message>
    <message>
        <source>Модель приёмника</source>
        <translation>Receiver model</translation>
    </message>
    <message>
        <source>Учебная (как в курсе)</source>
        <translation>Course (as in the course)</translation>
    </message>
    <message>
        <source>Калиброванная</source>
        <translation>Calibrated</translation>
    </message>
    <message>
        <source>Без модуляции (полная мощность)</source>
        <translation>No modulation (total power)</translation>
    </message>
    <message>
        <source>калиброванная модель</source>
        <translation>calibrated model</translation>
    </message>
    <message>
        <source>калиброванная модель, полная мощность</source>
        <translation>calibrated model, total power</translation>
    </message>
    <message>
        <source>в калиброванной модели приёмника температура и нестабильность усиления не бывают отрицательными</source>
        <translation>in the calibrated receiver a temperature and the gain instability are never negative</translation>
    </message>
    <message>
        <source>в калиброванной модели приёмника полоса, усиление и частота среза должны быть больше нуля</source>
        <translation>in the calibrated receiver the bandwidth, the gain and a cut-off must be above zero</translation>
    </message>
    <message>
        <source>в калиброванной модели приёмника разрядность — целое число бит от %1 до %2</source>
        <translation>in the calibrated receiver the word length is a whole number of bits from %1 to %2</translation>
    </message>
    <message>
        <source>Чувствительность и время накопления</source>
        <translation>Sensitivity and accumulation time</translation>
    </message>
    <message>
        <source>Модуляция и полная мощность</source>
        <translation>Modulation and total power</translation>
    </message>
    <message>
        <source>учебная модель</source>
        <translation>course model</translation>
    </message>
</context>
</TS>
