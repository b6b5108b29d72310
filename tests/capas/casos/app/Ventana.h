#pragma once
class Ventana {};
