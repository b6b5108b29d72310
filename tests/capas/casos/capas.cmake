# The cases' layers, as the build writes them for the sources.
capa(nucleo ${RAIZ}/nucleo "Comillas.cpp;Angulares.cpp;Relativa.cpp;Espacios.cpp;Qt.cpp;QtModulo.cpp;Indirecta.cpp;Limpia.cpp")
capa(ui ${RAIZ} "ventanas/Dialogo.cpp;ventanas/Bien.cpp;${CMAKE_CURRENT_LIST_DIR}/../CompruebaCapas.cmake")
