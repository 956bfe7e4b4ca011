# Runs the dump tool on a fresh start-up and checks a few of its lines.
# Usage: cmake -DDUMP=<kalteron-dump> -P check_dump.cmake
execute_process(COMMAND ${DUMP} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kalteron-dump exited with ${rc}")
endif()
set(expected
  "ClickRegion=Самара"
  "ClickTemperaturaVozduh=32"
  "ClickVlajnostVozduh=54"
  "ClickRejim=Хранение"
  "ClickProduktKategoria=Мясные"
  "ClickProduktProdukt=Баранина"
  "ClickSteniPol=Железобетон"
  "ClickStekloSteniStenaA=Стекло 10 мм."
  "ClickTemperaturaPotolok=32"
  "Option1(0)=True"
  "Option1(1)=False"
  "DihanieText(1)="
  "NeobhodKoefZapas=Коэф. запаса : 5  %"
  "gTeplopritokTara=")
foreach(line IN LISTS expected)
  string(FIND "${out}" "\n${line}" pos)
  if(pos EQUAL -1)
    message(FATAL_ERROR "missing line: ${line}")
  endif()
endforeach()
